"""Wine for the tests: the same quiet, isolated settings as scripts/wine-env.sh.

WINEPREFIX comes from the environment (CTest sets it) or defaults to the build folder's
prefix; the prefix is prepared once by scripts/wine-prefix.sh, which does nothing when it
is ready already. The scenarios then run in a private overlay of it: the same drive C
(linked) and a copy of its registry, so they get a wine server of their own. One wine
server is one Windows desktop with one foreground window, whatever X display its
programs use, and keys typed into a window that is not the foreground go elsewhere; other
Wine programs running at the same time must not take the game's keys, nor get them.
"""

import os
import shutil
import subprocess
import tempfile

from harness import x11

REGISTRY_FILES = ("system.reg", "user.reg", "userdef.reg", ".update-timestamp")

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))
DEFAULT_PREFIX = os.path.join(REPO_ROOT, "build", "mingw", "wineprefix")


def wine_binary():
    """The 64-bit Wine loader, found the way scripts/wine-env.sh finds it."""
    if os.access("/usr/lib/wine/wine64", os.X_OK):
        return "/usr/lib/wine/wine64"
    return shutil.which("wine64") or shutil.which("wine") or "wine"


def wineserver_binary():
    if os.access("/usr/lib/wine/wineserver64", os.X_OK):
        return "/usr/lib/wine/wineserver64"
    return shutil.which("wineserver") or "wineserver"


def wine_environment(extra_path=None, locale=None):
    """The environment for a Wine process; extra_path goes in front of PATH. A locale
    ("fr_FR.UTF-8") sets LC_ALL and LANG, so Windows' display language is that locale's;
    LANGUAGE, which Wine would prefer for it, is then left out."""
    env = dict(os.environ)
    if locale:
        env["LC_ALL"] = env["LANG"] = locale
        env.pop("LANGUAGE", None)
    env.setdefault("WINEPREFIX", DEFAULT_PREFIX)
    env["WINEARCH"] = "win64"
    env["WINEDEBUG"] = "-all"
    env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
    if extra_path:
        env["PATH"] = extra_path + os.pathsep + env.get("PATH", "")
    return env


def prepare_prefix():
    """Creates the Wine prefix if it is not ready yet (slow only the first time)."""
    env = wine_environment()
    if os.path.exists(os.path.join(env["WINEPREFIX"], ".quickfigure-ready")):
        return
    script = os.path.join(REPO_ROOT, "scripts", "wine-prefix.sh")
    subprocess.run(["bash", script], env=env, check=True)


class PrivatePrefix:
    """An overlay of the prefix WINEPREFIX names (the prepared one, or another overlay)
    with a wine server of its own; while it exists, WINEPREFIX names it. log_pixels, when
    given, is the screen's dots per inch its programs see (96 is a scale of 100 %)."""

    def __init__(self, log_pixels=None):
        self.shared = wine_environment()["WINEPREFIX"]
        self.path = tempfile.mkdtemp(prefix="quickfigure-e2e-wine-")
        for name in REGISTRY_FILES:
            shutil.copy2(os.path.join(self.shared, name), self.path)
        os.symlink(os.path.join(os.path.abspath(self.shared), "drive_c"),
                   os.path.join(self.path, "drive_c"))
        devices = os.path.join(self.path, "dosdevices")
        os.mkdir(devices)
        os.symlink("../drive_c", os.path.join(devices, "c:"))
        os.symlink("/", os.path.join(devices, "z:"))
        os.environ["WINEPREFIX"] = self.path
        if log_pixels is not None:
            self.set_log_pixels(log_pixels)

    @staticmethod
    def set_log_pixels(dots_per_inch):
        """Sets the screen scale as the display settings do, for programs started after."""
        subprocess.run([wine_binary(), "reg", "add", r"HKCU\Control Panel\Desktop", "/v",
                        "LogPixels", "/t", "REG_DWORD", "/d", str(dots_per_inch), "/f"],
                       env=wine_environment(), check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

    def remove(self):
        """Ends this prefix's wine server (and so any program left in it) and deletes it."""
        subprocess.run([wineserver_binary(), "-k"], env=wine_environment(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([wineserver_binary(), "-w"], env=wine_environment(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.environ["WINEPREFIX"] = self.shared
        shutil.rmtree(self.path, ignore_errors=True)


def run_in_private_prefix(check):
    """check() with an X display and a private overlay of the project's prefix, both gone
    afterwards; returns what check returns."""
    display = x11.ensure_display()
    try:
        prepare_prefix()
        prefix = PrivatePrefix()
        try:
            return check()
        finally:
            prefix.remove()
    finally:
        if display is not None:
            display.stop()
