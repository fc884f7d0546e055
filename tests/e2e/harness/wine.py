"""Wine for the tests: the same quiet, isolated settings as scripts/wine-env.sh.

WINEPREFIX comes from the environment (CTest sets it) or defaults to the build folder's
prefix; the prefix is prepared once by scripts/wine-prefix.sh, which does nothing when it
is ready already.
"""

import os
import shutil
import subprocess

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))
DEFAULT_PREFIX = os.path.join(REPO_ROOT, "build", "mingw", "wineprefix")


def wine_binary():
    """The 64-bit Wine loader, found the way scripts/wine-env.sh finds it."""
    if os.access("/usr/lib/wine/wine64", os.X_OK):
        return "/usr/lib/wine/wine64"
    return shutil.which("wine64") or shutil.which("wine") or "wine"


def wine_environment(extra_path=None):
    """The environment for a Wine process; extra_path goes in front of PATH."""
    env = dict(os.environ)
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
