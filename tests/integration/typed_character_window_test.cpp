// Typed characters through the real window: a posted WM_CHAR arrives as its
// Windows-1252 code, control characters do not, and a key press that the loop's
// TranslateMessage turns into a character arrives both as a key and as that character.
#include <gtest/gtest.h>

#include <vector>

#include "base/platform_win32.h"
#include "support/probe_app.h"

namespace {

HWND Hwnd(const Application& app) {
    return static_cast<HWND>(app.window);
}

// A key press as the keyboard sends it: one press with its scan code.
LPARAM PressOf(UINT virtualKey) {
    return static_cast<LPARAM>(1 | (MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC) << 16));
}

} // namespace

TEST(WindowTypedCharacter, CharactersArriveAsTypedAndKeysAreTranslated) {
    ProbeApp app("Probe Typing");
    std::vector<unsigned char> typed;
    app.onCharacter = [&typed](unsigned char code) { typed.push_back(code); };
    app.script = [](ProbeApp& a) {
        if (a.frames == 1) {
            PostMessageA(Hwnd(a), WM_CHAR, 0xE9, 1); // an accented e
            PostMessageA(Hwnd(a), WM_CHAR, VK_BACK, 1);
            PostMessageA(Hwnd(a), WM_CHAR, 0x7F, 1);
            PostMessageA(Hwnd(a), WM_KEYDOWN, 'K', PressOf('K'));
        } else if (a.frames == 2) {
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(app.lastKey, 'K');
    EXPECT_EQ(typed, (std::vector<unsigned char>{0xE9, 'k'}));
}
