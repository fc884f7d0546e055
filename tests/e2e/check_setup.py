#!/usr/bin/env python3
"""Checks the setup program: a silent per-user install, the game played from it, and
a silent uninstall that leaves the player's files.

Usage: check_setup.py --setup SETUP_EXE --exe EXE --version V
Under Wine, in a private overlay of the project's prefix whose per-user folders point
into a temporary folder: the setup program is run with /S (twice, the second over the
first), the installed files, the Start menu shortcut and the Apps & Features entry are
checked, the program is started from the install folder and closed so that it saves its
settings, which must land in the per-user data folder, not beside the program. The
entry's quiet uninstall command must then remove the program, its shortcut and its entry
and leave the data folder as it was.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import data_files, wine  # noqa: E402
from harness.layout import find_font_height  # noqa: E402
from harness.session import GameSession  # noqa: E402

NAME = "Quickfigure"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall" + "\\" + NAME
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer"
PROGRAM_FILES = {"quickfigure.exe", "README.txt", "LICENSE.txt", "installed.txt",
                 "uninstall.exe"}
UNINSTALL_TIMEOUT = 60.0


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--setup", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--version", required=True)
    return parser.parse_args()


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def folder_bytes(folder):
    return {name: read_bytes(os.path.join(folder, name)) for name in os.listdir(folder)}


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


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


def check_entry(entry, install, version):
    exe = windows_path(os.path.join(install, "uninstall.exe"))
    expected = {
        "DisplayName": NAME,
        "DisplayVersion": version,
        "Publisher": "Bramblewood Apps",
        "DisplayIcon": windows_path(os.path.join(install, "quickfigure.exe")) + ",0",
        "UninstallString": '"%s"' % exe,
        "QuietUninstallString": '"%s" /S' % exe,
    }
    return ["the entry's %s is %r, expected %r" % (name, entry.get(name), value)
            for name, value in expected.items() if entry.get(name, "").lower() != value.lower()]


def check_installed(install, shortcut, built_exe):
    problems = []
    found = set(os.listdir(install)) if os.path.isdir(install) else set()
    if found != PROGRAM_FILES:
        problems.append("the install folder holds %s, expected %s"
                        % (sorted(found), sorted(PROGRAM_FILES)))
    program = os.path.join(install, "quickfigure.exe")
    if os.path.exists(program) and read_bytes(program) != read_bytes(built_exe):
        problems.append("the installed program is not the built one")
    if not os.path.exists(shortcut):
        problems.append("no Start menu shortcut at " + shortcut)
    return problems


def play(install, data):
    """Starts the installed program, closes it, and checks where it saved."""
    session = GameSession(install, os.path.dirname(install), "setup")
    try:
        session.start()
        session.wait_steady("the main menu's panel", lambda s: find_font_height(s) is not None)
        session.close_box()
        if session.wait_exit("the close request") != 0:
            return ["the installed program did not end cleanly"]
    except AssertionError as error:
        return ["running the installed program: %s" % error]
    finally:
        session.kill()
        # The harness's log beside the program is not the setup program's to remove.
        log = os.path.join(install, "wine-output.log")
        if os.path.exists(log):
            os.remove(log)
    problems = []
    if os.path.exists(os.path.join(install, "settings.dat")):
        problems.append("the installed program saved its settings beside itself")
    try:
        with open(os.path.join(data, "settings.dat"), "rb") as f:
            data_files.Settings(f.read())
    except (OSError, AssertionError) as error:
        problems.append("no settings in the per-user folder: %s" % error)
    return problems


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


def check_setup(args):
    root = tempfile.mkdtemp(prefix="quickfigure-setup-")
    try:
        folders = point_user_folders(root)
        install = os.path.join(folders["Local AppData"], "Programs", NAME)
        data = os.path.join(folders["Local AppData"], NAME)
        shortcut = os.path.join(folders["Programs"], NAME + ".lnk")
        for attempt in ("first install", "install over it"):
            if wine_run(args.setup, "/S").returncode != 0:
                return ["the %s failed" % attempt]
            problems = check_installed(install, shortcut, args.exe)
            problems += check_entry(uninstall_entry(), install, args.version)
            problems += play(install, data)
            if problems:
                return ["%s: %s" % (attempt, problem) for problem in problems]
        return uninstall(uninstall_entry(), install, shortcut, data)
    finally:
        shutil.rmtree(root, ignore_errors=True)


def main():
    args = parse_arguments()
    problems = wine.run_in_private_prefix(lambda: check_setup(args))
    for problem in problems:
        print("setup: " + problem)
    if not problems:
        print("setup: %s installs, runs, keeps its data per user and uninstalls"
              % os.path.basename(args.setup))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
