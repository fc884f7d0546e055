// Key translation of key presses: keypad digits with and without Shift and NumLock, and
// the keypad operators.
#include <gtest/gtest.h>

#include "base/key_translation.h"

TEST(KeyTranslation, KeypadDigitsBecomeMainRowDigitsWithNumLock) {
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(TranslateKeyDown(KeyCode::Numpad0 + d, false, true), '0' + d) << d;
    }
    EXPECT_EQ(TranslateKeyDown(103, false, true), 55); // keypad 7
}

TEST(KeyTranslation, ShiftTurnsKeypadDigitsIntoNavigationKeys) {
    const int expected[10] = {45, 35, 40, 0, 37, 0, 39, 36, 38, 0};
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(TranslateKeyDown(KeyCode::Numpad0 + d, true, true), expected[d]) << d;
    }
}

TEST(KeyTranslation, KeypadDigitsPassUnchangedWithoutNumLock) {
    EXPECT_EQ(TranslateKeyDown(103, false, false), 103);
    EXPECT_EQ(TranslateKeyDown(103, true, false), 103);
}

TEST(KeyTranslation, KeypadOperatorsBecomeCharactersWhateverNumLock) {
    for (bool numLock : {false, true}) {
        EXPECT_EQ(TranslateKeyDown(KeyCode::Multiply, false, numLock), '*');
        EXPECT_EQ(TranslateKeyDown(KeyCode::Add, false, numLock), '+');
        EXPECT_EQ(TranslateKeyDown(KeyCode::Subtract, false, numLock), '-');
        EXPECT_EQ(TranslateKeyDown(KeyCode::Decimal, false, numLock), '.');
        EXPECT_EQ(TranslateKeyDown(KeyCode::Divide, true, numLock), '/');
    }
}

TEST(KeyTranslation, OtherKeysPassUnchanged) {
    for (int key : {8, 13, 27, 32, 48, 57, 65, 90, 112}) {
        EXPECT_EQ(TranslateKeyDown(key, false, true), key);
        EXPECT_EQ(TranslateKeyDown(key, true, false), key);
    }
}

TEST(KeyTranslation, OnlyTheClearingKeysRepeat) {
    EXPECT_TRUE(AutoRepeatReaches(KeyCode::Backspace));
    EXPECT_TRUE(AutoRepeatReaches(KeyCode::Delete));
    for (int key :
         {int{'0'}, int{'1'}, int{'9'}, KeyCode::Escape, KeyCode::Space, KeyCode::Return}) {
        EXPECT_FALSE(AutoRepeatReaches(key)) << key;
    }
}
