// The window-system services the frame loop and the application use, kept behind plain
// functions so application.cpp reads without the Windows API.
#pragma once

#include <cstdint>
#include <string>

#include "app/window_placement.h"
#include "base/platform_types.h"

// Prompt: a message the player should see answered in the very next frame (a key, a mouse
// button, a repaint); Dispatched: any other message, mouse motion among them.
enum class PumpResult { Prompt, Dispatched, Quit, Empty };

// Takes one waiting message of the thread, if any, and dispatches it (unless it is the
// quit message). lastWParam receives the wParam of every message taken.
PumpResult PumpOneMessage(std::uintptr_t& lastWParam);
// Waits until a message arrives for the thread or timeoutMs have passed, whichever is first.
void WaitForMessages(int timeoutMs);
// The window class name of a program with this title.
std::string WindowClassName(const std::string& title);
// Size of the window's client rectangle.
void ReadClientSize(WindowHandle window, int& width, int& height);
// The dots per inch of the monitor the window opens on with the chosen placement (96 at
// 100 % scaling).
int ScreenDotsPerInch(const WindowPlacement& opening);
// The saved placement when the window's title bar there lies whole on a monitor's work area
// now; otherwise the default place, keeping maximised and full screen.
WindowPlacement ChooseSavedPlacement(const WindowPlacement& saved);
// Size of the primary display.
void ReadScreenSize(int& width, int& height);
// A start-up failure message box with caption "ERROR".
void ShowErrorBox(const char* text);
