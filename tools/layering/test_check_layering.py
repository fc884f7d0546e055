"""The layering check against small planted trees: each kind of fault is reported, a clean
tree passes."""
import io
import pathlib
import sys
import tempfile
import unittest
from contextlib import redirect_stdout

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_layering  # noqa: E402

# A tree that keeps every rule: each folder includes its own and lower folders, Windows
# headers only in a _win32 file, and the entry point reaching up as it may.
CLEAN = {
    "game/game.cpp": '#include "game/game.h"\n#include "shell/shell.h"\n',
    "game/game.h": '#include "base/geometry.h"\n',
    "shell/shell.h": '#include "app/sound.h"\n',
    "app/sound.h": '#include "base/sound_cue.h"\n',
    "app/sound_win32.cpp": '#include "app/sound.h"\n#include "base/platform_win32.h"\n',
    "app/main_win32.cpp": '#include "shell/shell.h"\n#include <windows.h>\n',
    "text/text.cpp": '#include "render/surface.h"\n#include <string>\n',
    "render/surface.h": '#include "base/geometry.h"\n',
    "base/geometry.h": "#pragma once\n",
    "base/sound_cue.h": "#pragma once\n",
    "base/platform_win32.h": "#include <windows.h>\n",
    "tests/sound_test.cpp": '#include "app/sound.h"\n',
}


class PlantedTree(unittest.TestCase):
    def faults(self, planted=None, exceptions=None):
        with tempfile.TemporaryDirectory() as folder:
            root = pathlib.Path(folder)
            files = dict(CLEAN, **(planted or {}))
            if exceptions is not None:
                files[str(check_layering.EXCEPTIONS)] = exceptions
            for name, text in files.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(text)
            return check_layering.check(root)

    def assertOneFault(self, faults, *words):
        self.assertEqual(len(faults), 1, faults)
        for word in words:
            self.assertIn(word, faults[0])

    def test_a_clean_tree_passes(self):
        self.assertEqual(self.faults(), [])

    def test_an_include_against_the_order(self):
        faults = self.faults({"render/surface.h": '#include "text/text.h"\n'})
        self.assertIn("render/surface.h: includes text/text.h, which is above render/", faults)

    def test_a_circle_between_folders(self):
        faults = self.faults({"render/surface.h": '#include "text/text.h"\n'})
        self.assertIn("folders include one another in a circle: render -> text -> render",
                      faults)

    def test_a_windows_include_outside_a_win32_file(self):
        for planted in ("#include <windows.h>\n", "#include <MMSystem.h>\n",
                        '#include "base/platform_win32.h"\n'):
            with self.subTest(planted=planted):
                faults = self.faults({"text/text.cpp": planted})
                self.assertOneFault(faults, "text/text.cpp", "is not a _win32 file")

    def test_only_the_entry_point_may_reach_up(self):
        faults = self.faults({"app/window_win32.cpp": '#include "shell/shell.h"\n'})
        self.assertIn("app/window_win32.cpp: includes shell/shell.h, which is above app/",
                      faults)

    def test_a_layer_may_not_include_the_tests(self):
        faults = self.faults({"game/game.h": '#include "tests/support/clock.h"\n'})
        self.assertOneFault(faults, "game/game.h", "tests/")

    def test_a_folder_outside_the_order(self):
        faults = self.faults({"players/roster.cpp": '#include "base/geometry.h"\n'})
        self.assertOneFault(faults, "players/", "no place in the order")

    def test_a_named_exception_with_its_reason_is_allowed(self):
        planted = {"render/surface.h": '#include "text/text.h"\n'}
        reasoned = "render/surface.h -> text/text.h  # the surface names its font\n"
        self.assertEqual(self.faults(planted, reasoned), [])

    def test_an_exception_needs_a_reason(self):
        planted = {"render/surface.h": '#include "text/text.h"\n'}
        faults = self.faults(planted, "render/surface.h -> text/text.h\n")
        self.assertIn("tools/layering/exceptions.txt:1: write 'file -> include  # reason'",
                      faults)

    def test_an_exception_no_longer_needed(self):
        faults = self.faults(None, "render/surface.h -> text/text.h  # once needed\n")
        self.assertOneFault(faults, "render/surface.h -> text/text.h", "remove it")

    def test_main_exits_one_on_a_fault_and_zero_on_a_clean_tree(self):
        with tempfile.TemporaryDirectory() as folder:
            root = pathlib.Path(folder)
            for name, text in CLEAN.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(text)
            with redirect_stdout(io.StringIO()):
                self.assertEqual(check_layering.main(["--root", folder]), 0)
                (root / "base/geometry.h").write_text('#include "game/game.h"\n')
                self.assertEqual(check_layering.main(["--root", folder]), 1)


if __name__ == "__main__":
    unittest.main()
