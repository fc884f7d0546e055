#!/usr/bin/env python3
"""Checks the setup program: a silent per-user install over an older version, a game
played from the Start menu shortcut, and a silent uninstall that leaves the player's files.

Usage: check_setup.py --setup SETUP_EXE --exe EXE --version V
                      --cpack CPACK --cpack-config CPACK_CONFIG --stage STAGED_FOLDER
Under Wine, in a private overlay of the project's prefix whose per-user folders point
into a temporary folder. An older version is packed first by CPack from the same
configuration: version OLDER_VERSION and a program of other bytes. It is installed with
/S and started from where its shortcut points, then closed, so that it saves its settings
in the per-user data folder. The setup program is then run with /S over it: the installed
files, the shortcut and the Apps & Features entry must be the new version's, in the same
place, one entry, and the data folder as it was. The program the shortcut points to plays
a game to its end (wrong answers, so it ends early), whose score must land in the per-user
data folder, not beside the program. The entry's quiet uninstall command must then remove
the program, its shortcut and its entry and leave the data folder as it was.
"""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import data_files, wine  # noqa: E402
from harness.layout import find_font_height  # noqa: E402
from harness.screens import Screens  # noqa: E402
from harness.session import GameSession  # noqa: E402

NAME = "Quickfigure"
PROGRAM = "quickfigure.exe"
OLDER_VERSION = "0.9"
UNINSTALL_KEYS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall"
UNINSTALL_KEY = UNINSTALL_KEYS + "\\" + NAME
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer"
PROGRAM_FILES = {"quickfigure.exe", "README.txt", "LICENSE.txt", "installed.txt",
                 "uninstall.exe"}
UNINSTALL_TIMEOUT = 60.0
GAME_TIMEOUT = 45.0  # a game lasts 30 s; wrong answers only shorten it

# The Shell Link format: the header's flags, and the link information's flag for a path
# on a local volume, whose offset follows at 16 bytes into that structure.
LINK_FLAGS_OFFSET = 0x14
LINK_HEADER_SIZE = 0x4C
HAS_TARGET_ID_LIST = 0x1
HAS_LINK_INFO = 0x2
VOLUME_ID_AND_LOCAL_BASE_PATH = 0x1


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--setup", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--cpack-config", required=True)
    parser.add_argument("--stage", required=True)
    return parser.parse_args()


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def folder_bytes(folder):
    return {name: read_bytes(os.path.join(folder, name)) for name in os.listdir(folder)}


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def unix_path(path):
    """The inverse of windows_path: every folder the check uses is on drive Z:."""
    if not path.upper().startswith("Z:\\"):
        raise ValueError("%r is not on drive Z:" % path)
    return path[2:].replace("\\", "/")


def shortcut_target(path):
    """The local path a Shell Link (.lnk) starts: its link information's LocalBasePath."""
    data = read_bytes(path)
    flags, = struct.unpack_from("<I", data, LINK_FLAGS_OFFSET)
    info = LINK_HEADER_SIZE
    if flags & HAS_TARGET_ID_LIST:
        info += 2 + struct.unpack_from("<H", data, info)[0]
    if not flags & HAS_LINK_INFO:
        raise ValueError("the shortcut holds no link information")
    info_flags, = struct.unpack_from("<I", data, info + 8)
    if not info_flags & VOLUME_ID_AND_LOCAL_BASE_PATH:
        raise ValueError("the shortcut's target is not on a local volume")
    start = info + struct.unpack_from("<I", data, info + 16)[0]
    return data[start:data.index(b"\0", start)].decode("cp1252")


def pack_older_version(args, root):
    """A setup program that says it is OLDER_VERSION and installs a program of other bytes:
    CPack run again on the same configuration with a copy of the staged files."""
    stage = os.path.join(root, "older-stage")
    shutil.copytree(args.stage, stage)
    with open(os.path.join(stage, PROGRAM), "ab") as f:
        f.write(b"older")
    out = os.path.join(root, "older-package")
    subprocess.run([args.cpack, "--config", args.cpack_config,
                    "-D", "CPACK_PACKAGE_VERSION=" + OLDER_VERSION,
                    "-D", "CPACK_INSTALLED_DIRECTORIES=%s;." % stage,
                    "-D", "CPACK_PACKAGE_DIRECTORY=" + out,
                    "-D", "CPACK_PACKAGE_FILE_NAME=older-setup"],
                   check=True, stdout=subprocess.DEVNULL, timeout=120)
    return os.path.join(out, "older-setup.exe"), read_bytes(os.path.join(stage, PROGRAM))


def wine_run(*args):
    return subprocess.run([wine.wine_binary()] + list(args), env=wine.wine_environment(),
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120)


def point_user_folders(root):
    """Local AppData and the Start menu's programs folder into root, so nothing the
    setup program does reaches the shared prefix."""
    folders = {"Local AppData": os.path.join(root, "local"),
               "Programs": os.path.join(root, "start-menu")}
    for path in folders.values():
        os.makedirs(path)
    for key in ("User Shell Folders", "Shell Folders"):
        for name, path in folders.items():
            wine_run("reg", "add", SHELL_FOLDERS + "\\" + key, "/v", name, "/t", "REG_SZ",
                     "/d", windows_path(path), "/f")
    return folders


def uninstall_entry():
    """The Apps & Features entry's values by name; empty when there is none."""
    result = wine_run("reg", "query", UNINSTALL_KEY)
    values = {}
    for line in result.stdout.decode("utf-8", "replace").splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) == 3 else ""
    return values if result.returncode == 0 else {}


def entries_named():
    """The Apps & Features entries whose key names the program."""
    result = wine_run("reg", "query", UNINSTALL_KEYS)
    keys = result.stdout.decode("utf-8", "replace").split()
    return [key for key in keys if NAME.lower() in key.rsplit("\\", 1)[-1].lower()]


def check_entry(entry, install, version):
    exe = windows_path(os.path.join(install, "uninstall.exe"))
    expected = {
        "DisplayName": NAME,
        "DisplayVersion": version,
        "Publisher": "Bramblewood Apps",
        "DisplayIcon": windows_path(os.path.join(install, PROGRAM)) + ",0",
        "InstallLocation": windows_path(install),
        "UninstallString": '"%s"' % exe,
        "QuietUninstallString": '"%s" /S' % exe,
    }
    return ["the entry's %s is %r, expected %r" % (name, entry.get(name), value)
            for name, value in expected.items() if entry.get(name, "").lower() != value.lower()]


def check_installed(install, shortcut, program_bytes):
    problems = []
    found = set(os.listdir(install)) if os.path.isdir(install) else set()
    if found != PROGRAM_FILES:
        problems.append("the install folder holds %s, expected %s"
                        % (sorted(found), sorted(PROGRAM_FILES)))
    program = os.path.join(install, PROGRAM)
    if os.path.exists(program) and read_bytes(program) != program_bytes:
        problems.append("the installed program is not the one packed")
    if not os.path.exists(shortcut):
        problems.append("no Start menu shortcut at " + shortcut)
    return problems


def check_install(install, shortcut, program_bytes, version):
    problems = check_installed(install, shortcut, program_bytes)
    problems += check_entry(uninstall_entry(), install, version)
    entries = entries_named()
    if len(entries) != 1:
        problems.append("Apps & Features holds %d entries for the program: %s"
                        % (len(entries), entries))
    return problems


def start_from_shortcut(shortcut, install, root):
    """Starts the program the shortcut points to; returns the session and the screens."""
    target = unix_path(shortcut_target(shortcut))
    if target != os.path.join(install, PROGRAM):
        raise AssertionError("the shortcut points to %s" % target)
    session = GameSession(os.path.dirname(target), root, "setup")
    session.start()
    shot = session.wait_steady("the main menu's panel", lambda s: find_font_height(s) is not None)
    screens = Screens(find_font_height(shot))
    session.classify = screens.classify
    return session, screens


def lose_a_game(session, screens):
    """Starts a game and types zeros until it ends: each is judged wrong as soon as it
    is as long as the result, and a wrong answer costs time."""
    session.keys("1")
    session.wait_steady("the setup screen", screens.is_setup)
    session.keys("1")
    session.wait_for("the game in play", screens.is_play)
    deadline = time.monotonic() + GAME_TIMEOUT
    while not screens.is_game_over(session.screenshot()):
        if time.monotonic() >= deadline:
            session.fail("the game-over screen", GAME_TIMEOUT)
        session.keys("0")


def run_installed(shortcut, install, root, play):
    """Starts the program from the shortcut, plays a game if asked, and closes it."""
    session = None
    try:
        session, screens = start_from_shortcut(shortcut, install, root)
        if play:
            lose_a_game(session, screens)
        session.close_box()
        if session.wait_exit("the close request") != 0:
            return ["the installed program did not end cleanly"]
    except (AssertionError, OSError, ValueError) as error:
        return ["running the installed program: %s" % error]
    finally:
        if session:
            session.kill()
        # The harness's log beside the program is not the setup program's to remove.
        log = os.path.join(install, "wine-output.log")
        if os.path.exists(log):
            os.remove(log)
    return ["the installed program saved %s beside itself" % name
            for name in ("settings.dat", "highscores.dat")
            if os.path.exists(os.path.join(install, name))]


def check_score_saved(data):
    """A lost game is still entered in the table, at level 1 or more."""
    try:
        entries, _ = data_files.read_pair(data)
    except (OSError, AssertionError) as error:
        return ["no scores in the per-user folder: %s" % error]
    if entries[0][4] < 1:
        return ["the game played is not in the per-user high-score table"]
    return []


def wait_gone(path):
    deadline = time.monotonic() + UNINSTALL_TIMEOUT
    while os.path.exists(path) and time.monotonic() < deadline:
        time.sleep(0.5)
    return not os.path.exists(path)


def uninstall(entry, install, shortcut, data):
    """Runs the quiet uninstall command; the uninstaller finishes from a copy of itself."""
    before = folder_bytes(data)
    command = entry.get("QuietUninstallString", "")
    if not command.endswith(" /S"):
        return ["no quiet uninstall command"]
    wine_run(command[:-len(" /S")].strip('"'), "/S")
    problems = []
    if not wait_gone(install):
        problems.append("the install folder is still there: %s" % os.listdir(install))
    if os.path.exists(shortcut):
        problems.append("the Start menu shortcut is still there")
    if uninstall_entry():
        problems.append("the Apps & Features entry is still there")
    if folder_bytes(data) != before:
        problems.append("the uninstaller changed the player's files")
    return problems


def install_older(args, root, install, shortcut, data):
    """Installs the older version and runs it once, so its settings are in the data folder."""
    setup, program_bytes = pack_older_version(args, root)
    if wine_run(setup, "/S").returncode != 0:
        return ["the older version's install failed"]
    problems = check_install(install, shortcut, program_bytes, OLDER_VERSION)
    problems += run_installed(shortcut, install, root, play=False)
    if not os.path.exists(os.path.join(data, "settings.dat")):
        problems.append("no settings in the per-user folder")
    return ["older version: " + problem for problem in problems]


def install_over(args, install, shortcut, data):
    """Installs the current version over the older one, silently and in place."""
    before = folder_bytes(data)
    if wine_run(args.setup, "/S").returncode != 0:
        return ["the install over the older version failed"]
    problems = check_install(install, shortcut, read_bytes(args.exe), args.version)
    if folder_bytes(data) != before:
        problems.append("the install changed the player's files")
    return ["install over it: " + problem for problem in problems]


def check_setup(args):
    root = tempfile.mkdtemp(prefix="quickfigure-setup-")
    try:
        folders = point_user_folders(root)
        install = os.path.join(folders["Local AppData"], "Programs", NAME)
        data = os.path.join(folders["Local AppData"], NAME)
        shortcut = os.path.join(folders["Programs"], NAME + ".lnk")
        problems = install_older(args, root, install, shortcut, data)
        problems = problems or install_over(args, install, shortcut, data)
        problems = problems or run_installed(shortcut, install, root, play=True)
        problems = problems or check_score_saved(data)
        return problems or uninstall(uninstall_entry(), install, shortcut, data)
    finally:
        shutil.rmtree(root, ignore_errors=True)


def main():
    args = parse_arguments()
    problems = wine.run_in_private_prefix(lambda: check_setup(args))
    for problem in problems:
        print("setup: " + problem)
    if not problems:
        print("setup: %s installs over an older version, runs from its shortcut, keeps its "
              "data per user and uninstalls" % os.path.basename(args.setup))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
