// Turns the virtual-key code of a key press into the code the key operations receive:
// keypad digits arrive like the main-row digits (or as navigation keys with Shift), and
// the keypad operators as their characters. Pure, so it is tested without a keyboard.
#pragma once

// Virtual-key and character codes the program's key handling names.
namespace KeyCode {
constexpr int Backspace = 8;
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int Numpad0 = 96;
constexpr int Numpad9 = 105;
constexpr int Multiply = 106;
constexpr int Add = 107;
constexpr int Subtract = 109;
constexpr int Decimal = 110;
constexpr int Divide = 111;
} // namespace KeyCode

int TranslateKeyDown(int virtualKey, bool shiftDown, bool numLockOn);
// Whether the system's auto-repeat of a held key (translated) reaches the program: only the
// keys that clear a typed answer, which are harmless to repeat. A held digit or menu key
// acts once.
bool AutoRepeatReaches(int key);
