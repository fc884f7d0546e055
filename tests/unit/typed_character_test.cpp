// Typed characters reach the application's onCharacter as Windows-1252 codes, accented
// letters included; the control codes (Backspace, Enter, Esc, Delete...) do not, as they
// arrive as keys, and nothing happens without a handler.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/application.h"

TEST(TypedCharacter, PrintableCodesArriveAndControlCodesDoNot) {
    const struct {
        std::uintptr_t code;
        bool arrives;
    } cases[] = {
        {0x08, false}, {0x0D, false}, {0x1B, false},  {0x1F, false}, {0x20, true},
        {'a', true},   {'-', true},   {'~', true},    {0x7F, false}, {0x80, true},
        {0xE9, true},  {0xFF, true},  {0x100, false},
    };
    Application app;
    std::vector<unsigned char> received;
    app.onCharacter = [&received](unsigned char code) { received.push_back(code); };
    for (const auto& c : cases) {
        received.clear();
        app.DeliverCharacter(c.code);
        if (c.arrives) {
            EXPECT_EQ(received, std::vector<unsigned char>{static_cast<unsigned char>(c.code)})
                << "code " << c.code;
        } else {
            EXPECT_TRUE(received.empty()) << "code " << c.code;
        }
    }
}

TEST(TypedCharacter, WithoutAHandlerTypingIsIgnored) {
    Application app;
    app.DeliverCharacter('a'); // must not call an empty function
    EXPECT_FALSE(app.onCharacter);
}
