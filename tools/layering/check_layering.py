#!/usr/bin/env python3
"""Checks that the program's folders include one another in one direction only.

Folders stand in a fixed order, top to bottom. A file may include files of its own folder
and of folders below it; the entry point (main*.cpp) may include anything. Folders may not
include one another in a circle. Windows headers may be included only by files named
*_win32.cpp or *_win32.h. Exceptions are listed, each with its reason, in
tools/layering/exceptions.txt under the checked tree. Prints one line per fault and exits 1
when there is any.
"""
import argparse
import fnmatch
import pathlib
import re
import sys

ORDER = ["game", "progress", "shell", "app", "ui", "text", "render", "base", "resources"]
# Folders that use the layers from outside: they may include any of them and none of them
# may include these.
OUTSIDE = {"tests", "tools", "fuzz", "bench"}
ENTRY_POINT = "main*.cpp"
SOURCE_SUFFIXES = {".cpp", ".h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
# The Windows SDK headers the program uses or might reach for.
WIN32_SYSTEM_HEADERS = {
    "windows.h", "windowsx.h", "winbase.h", "winuser.h", "wingdi.h", "mmsystem.h",
    "shellapi.h", "shlobj.h", "shlwapi.h", "commctrl.h", "commdlg.h", "objbase.h",
}
EXCEPTIONS = pathlib.PurePosixPath("tools/layering/exceptions.txt")


def read_exceptions(path):
    """The named exceptions as {(file, include): reason}, and faults in the list itself."""
    allowed, faults = {}, []
    if not path.exists():
        return allowed, faults
    for number, line in enumerate(path.read_text().splitlines(), 1):
        arrow, _, reason = line.partition("#")
        if not arrow.strip():
            continue
        source, _, target = arrow.partition("->")
        if not target.strip() or not reason.strip():
            faults.append(f"{EXCEPTIONS}:{number}: write 'file -> include  # reason'")
            continue
        allowed[(source.strip(), target.strip())] = reason.strip()
    return allowed, faults


def folders_with_sources(root):
    found = set()
    for path in root.iterdir():
        if path.is_dir() and not path.name.startswith(".") and path.name != "build":
            if any(p.suffix in SOURCE_SUFFIXES for p in path.rglob("*")):
                found.add(path.name)
    return found


def sources(root):
    for folder in ORDER:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES:
                yield path.relative_to(root).as_posix()


def includes(root, name):
    return INCLUDE.findall((root / name).read_text(errors="replace"))


def is_win32_name(name):
    return pathlib.PurePosixPath(name).stem.endswith("_win32")


def is_entry_point(name):
    return fnmatch.fnmatch(pathlib.PurePosixPath(name).name, ENTRY_POINT)


def win32_fault(name, bracket, target):
    if is_win32_name(name):
        return None
    system = bracket == "<" and target.lower() in WIN32_SYSTEM_HEADERS
    if system or (bracket == '"' and is_win32_name(target)):
        return f"{name}: includes {target} but is not a _win32 file"
    return None


def order_fault(name, folder, target_folder, target):
    if target_folder in OUTSIDE:
        return f"{name}: includes {target} from {target_folder}/, which uses the layers"
    if ORDER.index(target_folder) < ORDER.index(folder):
        return f"{name}: includes {target}, which is above {folder}/"
    return None


def check(root):
    allowed, faults = read_exceptions(root / EXCEPTIONS)
    used = set()
    edges = {}
    for folder in sorted(folders_with_sources(root) - set(ORDER) - OUTSIDE):
        faults.append(f"{folder}/: a folder of sources with no place in the order")
    for name in sources(root):
        folder = name.split("/", 1)[0]
        for bracket, target in includes(root, name):
            fault = win32_fault(name, bracket, target)
            if fault:
                faults.append(fault)
            target_folder = target.split("/", 1)[0]
            if bracket != '"' or "/" not in target or target_folder == folder:
                continue
            if target_folder not in ORDER and target_folder not in OUTSIDE:
                continue
            if is_entry_point(name):
                continue
            if (name, target) in allowed:
                used.add((name, target))
                continue
            edges.setdefault(folder, set()).add(target_folder)
            fault = order_fault(name, folder, target_folder, target)
            if fault:
                faults.append(fault)
    for source, target in sorted(set(allowed) - used):
        faults.append(f"{EXCEPTIONS}: {source} -> {target} is no longer included: remove it")
    faults.extend(cycles(edges))
    return faults


def cycles(edges):
    """Circles between folders. A named exception is an arrow already accounted for, so
    only the other includes count."""
    found = []
    state = {}

    def visit(folder, path):
        state[folder] = "open"
        for target in sorted(edges.get(folder, ())):
            if state.get(target) == "open":
                circle = path[path.index(target):] + [target]
                found.append("folders include one another in a circle: " + " -> ".join(circle))
            elif target not in state:
                visit(target, path + [target])
        state[folder] = "done"

    for folder in sorted(edges):
        if folder not in state:
            visit(folder, [folder])
    return found


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parents[2])
    args = parser.parse_args(argv)
    faults = check(args.root)
    for fault in faults:
        print(fault)
    print(f"layering: {len(faults)} fault(s) in {sum(1 for _ in sources(args.root))} files")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
