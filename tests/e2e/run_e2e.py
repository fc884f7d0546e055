#!/usr/bin/env python3
"""Runs the end-to-end scenarios against a built quickfigure.exe.

Usage: python3 tests/e2e/run_e2e.py --exe build/mingw/quickfigure.exe [-k NAME] [--list]
Each scenario starts the real program under Wine on the X display (its own Xvfb when
DISPLAY is unset) and drives it with xdotool. Screenshots and the folders of failed
scenarios are left in --artifacts. Needs python3, xdotool, ImageMagick's import, xwininfo.
"""

import argparse
import os
import shutil
import sys
import time
import unittest

E2E_DIR = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, E2E_DIR)

from harness import wine, x11  # noqa: E402
from harness.scenario import Config  # noqa: E402


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", required=True, help="the quickfigure.exe to test")
    parser.add_argument("--web-address", default="www.bramblewood-apps.com",
                        help="the web site address the program was built with")
    parser.add_argument("--artifacts", default=os.path.join(E2E_DIR, "..", "..", "build",
                                                            "e2e-artifacts"),
                        help="folder for screenshots and the folders of failed scenarios")
    parser.add_argument("-k", dest="pattern", default="",
                        help="run only scenarios whose name contains this text")
    parser.add_argument("--list", action="store_true", help="list the scenarios and stop")
    return parser.parse_args()


def flatten(suite):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from flatten(item)
        else:
            yield item


def load_scenarios(pattern):
    loader = unittest.TestLoader()
    found = loader.discover(os.path.join(E2E_DIR, "scenarios"), pattern="test_*.py",
                            top_level_dir=E2E_DIR)
    return unittest.TestSuite(t for t in flatten(found) if pattern in t.id())


def check_tools():
    missing = [tool for tool in ("xdotool", "import", "xwininfo") if shutil.which(tool) is None]
    if missing:
        sys.exit("missing tools: %s (scripts/install-deps.sh installs them)" % ", ".join(missing))


def main():
    args = parse_arguments()
    suite = load_scenarios(args.pattern)
    if args.list:
        for test in flatten(suite):
            print(test.id())
        return 0
    if not os.path.isfile(args.exe):
        sys.exit("no program at %s" % args.exe)
    check_tools()
    Config.exe = os.path.abspath(args.exe)
    Config.web_address = args.web_address
    Config.artifacts = os.path.abspath(args.artifacts)
    shutil.rmtree(Config.artifacts, ignore_errors=True)
    os.makedirs(Config.artifacts)

    started = time.monotonic()
    display = x11.ensure_display()
    try:
        wine.prepare_prefix()
        prefix = wine.PrivatePrefix()
        try:
            result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
        finally:
            prefix.remove()
    finally:
        if display is not None:
            display.stop()
    print("End-to-end suite: %d scenarios in %.1f s" % (result.testsRun,
                                                         time.monotonic() - started))
    if result.failures or result.errors:
        print("Screenshots and failed scenarios' folders: %s" % Config.artifacts)
        return 1
    return 0 if result.testsRun else 1


if __name__ == "__main__":
    sys.exit(main())
