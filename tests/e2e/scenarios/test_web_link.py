"""The main menu's web link: key 4 and a click on the link both ask the system to open it.

Wine hands web addresses to winebrowser, which runs the first browser it finds on PATH;
a stub named xdg-open in front of PATH stands in for the browser and writes down the
address it was given.
"""

import os
import stat

from harness.scenario import Config, Scenario

STUB = """#!/bin/sh
printf '%%s\\n' "$*" >> '%s'
"""


class WebLink(Scenario):

    def install_browser_stub(self):
        folder = self.path("stub-bin")
        os.mkdir(folder)
        stub = os.path.join(folder, "xdg-open")
        with open(stub, "w") as f:
            f.write(STUB % self.path("opened.log"))
        os.chmod(stub, os.stat(stub).st_mode | stat.S_IXUSR)
        return folder

    def opened(self):
        if not os.path.exists(self.path("opened.log")):
            return []
        with open(self.path("opened.log")) as f:
            return f.read().splitlines()

    def assert_opened_the_address(self, request):
        address = request.split("://", 1)[-1].rstrip("/")
        self.assertEqual(address, Config.web_address,
                         "the browser was asked to open %r" % request)

    def test_key_4_and_a_click_on_the_link_open_the_web_site(self):
        game = self.start_game(extra_path=self.install_browser_stub())
        game.keys("4")
        game.poll("the browser stub to be asked to open the web site",
                  lambda: len(self.opened()) >= 1, timeout=30)
        self.assert_opened_the_address(self.opened()[0])

        game.click_and_park(*self.screens.menu.link_centre)
        game.poll("a second request, from the click on the link",
                  lambda: len(self.opened()) >= 2, timeout=30)
        self.assert_opened_the_address(self.opened()[1])
        self.assertTrue(game.alive())
        self.assertTrue(self.screens.is_main_menu(game.screenshot()))

        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")
        self.assertEqual(len(self.opened()), 2, "the address was opened more often than asked")
