#!/usr/bin/env python3
"""Checks the release zip: exactly the program, README.txt and LICENSE.txt, and it runs.

Usage: check_dist.py --zip Z --exe EXE --texts DIST_DIR --version V
The program in the zip must be the built one, the two texts the sources with the version
filled in and Windows line ends. The zip is then unpacked into a temporary folder and the
program started from there under Wine: its window must appear, close on request, and
leave its data files in that folder.
"""

import argparse
import os
import shutil
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import data_files, wine  # noqa: E402
from harness.layout import HEIGHT, WIDTH, find_font_height  # noqa: E402
from harness.session import GameSession  # noqa: E402

EXPECTED = {"quickfigure.exe", "README.txt", "LICENSE.txt"}


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--zip", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--texts", required=True, help="the folder holding the text sources")
    parser.add_argument("--version", required=True)
    return parser.parse_args()


def expected_text(folder, name, version):
    with open(os.path.join(folder, name), "rb") as f:
        text = f.read().replace(b"@PROJECT_VERSION@", version.encode())
    return text.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def check_contents(args):
    problems = []
    with zipfile.ZipFile(args.zip) as package:
        names = set(package.namelist())
        if names != EXPECTED:
            problems.append("the zip holds %s, expected %s" % (sorted(names), sorted(EXPECTED)))
        with open(args.exe, "rb") as f:
            if "quickfigure.exe" in names and package.read("quickfigure.exe") != f.read():
                problems.append("quickfigure.exe in the zip is not the built program")
        for name in ("README.txt", "LICENSE.txt"):
            if name in names and package.read(name) != expected_text(args.texts, name,
                                                                      args.version):
                problems.append("%s in the zip differs from its source" % name)
    return problems


def check_it_runs(zip_path):
    folder = tempfile.mkdtemp(prefix="quickfigure-dist-")
    session = GameSession(folder, os.path.dirname(os.path.abspath(zip_path)), "dist")
    try:
        with zipfile.ZipFile(zip_path) as package:
            package.extractall(folder)
        session.start()
        if session.window_geometry() != (WIDTH, HEIGHT):
            return ["the window's client area is %dx%d" % session.window_geometry()]
        session.wait_steady("the main menu's panel", lambda s: find_font_height(s) is not None)
        session.close_box()
        status = session.wait_exit("the close request")
        if status != 0:
            return ["the program ended with status %d" % status]
        with open(os.path.join(folder, "settings.dat"), "rb") as f:
            data_files.Settings(f.read())
        return []
    except (AssertionError, OSError) as error:
        return ["running the unpacked program: %s" % error]
    finally:
        session.kill()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    args = parse_arguments()
    problems = check_contents(args)
    problems += wine.run_in_private_prefix(lambda: check_it_runs(args.zip))
    for problem in problems:
        print("dist: " + problem)
    if not problems:
        print("dist: %s holds %s and the program starts from it"
              % (os.path.basename(args.zip), ", ".join(sorted(EXPECTED))))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
