// Key translation for key presses (key releases are never translated).
#include "base/key_translation.h"

namespace {

// What keypad 0..9 become with Shift held: the navigation keys printed on them; 3, 5 and 9
// become 0.
constexpr int ShiftedKeypad[10] = {
    KeyCode::Insert, KeyCode::End,  KeyCode::Down, 0, KeyCode::Left, 0,
    KeyCode::Right,  KeyCode::Home, KeyCode::Up,   0};

int TranslateOperator(int virtualKey) {
    switch (virtualKey) {
    case KeyCode::Multiply: return '*';
    case KeyCode::Add: return '+';
    case KeyCode::Subtract: return '-';
    case KeyCode::Decimal: return '.';
    case KeyCode::Divide: return '/';
    default: return virtualKey;
    }
}

} // namespace

int TranslateKeyDown(int virtualKey, bool shiftDown, bool numLockOn) {
    const bool keypadDigit = virtualKey >= KeyCode::Numpad0 && virtualKey <= KeyCode::Numpad9;
    if (numLockOn && keypadDigit) {
        const int digit = virtualKey - KeyCode::Numpad0;
        return shiftDown ? ShiftedKeypad[digit] : '0' + digit;
    }
    return TranslateOperator(virtualKey);
}

bool AutoRepeatReaches(int key) {
    return key == KeyCode::Backspace || key == KeyCode::Delete;
}
