// The main window on Win32: class registration, optional full-screen display mode, creation
// where the last run left it, the borderless full screen F11 and Alt+Enter switch to, the
// window procedure and the message pump. Every message the program reacts to becomes one of
// the Application's virtual operations or a change of the shared mouse state.
#include "app/window.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/application.h"
#include "base/key_translation.h"
#include "base/mouse_state.h"
#include "base/platform_win32.h"
#include "render/back_buffer.h"
#include "text/font.h"
#include "text/translate.h"

namespace {

constexpr UINT ClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
// The height the maximise rule allows for beyond the screen.
constexpr int FrameAllowanceY = 26;
// Sent to a window whose monitor scale changed (older headers may lack the name).
constexpr UINT DpiChangedMessage = 0x02E0;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (CurrentApplication == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return CurrentApplication->HandleMessage(hwnd, message, wParam, lParam);
}

void ShowBox(const char* text, const char* caption, UINT icon) {
    MessageBoxA(nullptr, text, caption, MB_OK | icon);
}

// Asks for the full-screen mode; false when the user declines the windowed fallback.
bool EnterFullscreen(int width, int height, int bitsPerPixel, bool& fullscreen) {
    DEVMODEA mode;
    std::memset(&mode, 0, sizeof mode);
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL) {
        return true;
    }
    const int answer = MessageBoxA(nullptr,
                                   Tr("The Requested Fullscreen Mode Is Not Supported By\nYour "
                                      "Video Card.  Use Windowed Mode Instead?"),
                                   "Bramblewood Apps", MB_YESNO | MB_ICONEXCLAMATION);
    if (answer == IDYES) {
        fullscreen = false;
        return true;
    }
    ShowBox(Tr("Program will close"), "ERROR", MB_ICONSTOP);
    return false;
}

// The outer size of a window of this style around a client area of the given size.
SIZE OuterSize(HWND hwnd, int clientWidth, int clientHeight) {
    RECT outer = {0, 0, clientWidth, clientHeight};
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

// The window moved to a monitor of another scale: take the size the system proposes, which
// keeps the window as large to the eye; the size message that follows re-scales the drawing.
void MoveToSuggestedRect(HWND hwnd, const RECT& suggested) {
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The style of the window when it is not full screen.
DWORD WindowedStyle(bool resizable) {
    return resizable ? WS_OVERLAPPEDWINDOW
                     : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

Rect FromRECT(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        reinterpret_cast<std::vector<Rect>*>(areas)->push_back(FromRECT(info.rcWork));
    }
    return TRUE;
}

std::vector<Rect> MonitorWorkAreas() {
    std::vector<Rect> areas;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

// The title bar's height with the frame above it, as a windowed window has them.
int TitleBarHeight() {
    return GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) +
           GetSystemMetrics(SM_CXPADDEDBORDER);
}

// The monitor's own dots per inch; GetDpiForMonitor is looked up at run time, since older
// systems and Wine may lack it (0 then).
int MonitorDotsPerInch(HMONITOR monitor) {
    using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    HMODULE shcore = LoadLibraryA("shcore.dll");
    if (shcore == nullptr) {
        return 0;
    }
    UINT dpiX = 0;
    UINT dpiY = 0;
    // Through a plain function pointer type, which any function pointer converts to.
    const FARPROC proc = GetProcAddress(shcore, "GetDpiForMonitor");
    const auto call = reinterpret_cast<GetDpiForMonitorCall>(reinterpret_cast<void (*)()>(proc));
    const bool found = call != nullptr && SUCCEEDED(call(monitor, 0, &dpiX, &dpiY)); // effective
    FreeLibrary(shcore);
    return found ? static_cast<int>(dpiY) : 0;
}

int MonitorUnderDotsPerInch(const Rect& r) {
    const RECT rect = ToRECT(r);
    return MonitorDotsPerInch(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

int PrimaryMonitorDotsPerInch() {
    return MonitorDotsPerInch(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

int SystemDotsPerInch() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return 0;
    }
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dotsPerInch;
}

int SignedLow(std::intptr_t value) {
    return static_cast<short>(LOWORD(value));
}
int SignedHigh(std::intptr_t value) {
    return static_cast<short>(HIWORD(value));
}

} // namespace

bool Application::CreateAppWindow(const std::string& caption, int x, int y, int clientWidth,
                                  int clientHeight, int bitsPerPixel, bool fullscreenMode) {
    // Titles are limited to 80 characters so the class name fits its 101-byte buffer.
    char captionBuffer[100];
    std::snprintf(captionBuffer, sizeof captionBuffer, "%s", caption.c_str());
    std::snprintf(className, sizeof className, "%s", WindowClassName(captionBuffer).c_str());
    fullscreen = fullscreenMode;
    instance = GetModuleHandleA(nullptr);
    HINSTANCE module = static_cast<HINSTANCE>(instance);

    WNDCLASSA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.style = ClassStyle;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = module;
    windowClass.hIcon = LoadIconA(module, MAKEINTRESOURCEA(iconId));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass) == 0) {
        ShowBox(Tr("Failed To Register The Window Class."), "ERROR", MB_ICONEXCLAMATION);
        return false;
    }
    if (fullscreen && !EnterFullscreen(clientWidth, clientHeight, bitsPerPixel, fullscreen)) {
        return false;
    }

    DWORD style = WindowedStyle(false);
    DWORD exStyle = 0;
    if (fullscreen) {
        style = WS_POPUP;
        exStyle = WS_EX_APPWINDOW;
        ShowCursor(FALSE);
    } else if (resizable) {
        style = WindowedStyle(true);
        exStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
    }
    RECT outer = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    const bool maximise = outerWidth >= GetSystemMetrics(SM_CXSCREEN) &&
                          outerHeight + FrameAllowanceY >= GetSystemMetrics(SM_CYSCREEN);

    HWND created = CreateWindowExA(exStyle, className, captionBuffer, style, x, y, outerWidth,
                                   outerHeight, nullptr, nullptr, module, nullptr);
    window = created;
    // The class owns its context (CS_OWNDC), so it stays valid while the window lives.
    SetFontMeasuringContext(created != nullptr ? GetDC(created) : nullptr);
    if (created == nullptr) {
        ShowBox(Tr("Window Creation Error"), "ERROR", MB_ICONEXCLAMATION);
        return false;
    }
    if (placement.known && !fullscreen) {
        ApplyPlacement();
    } else {
        ShowWindow(created, maximise ? SW_MAXIMIZE : SW_SHOWNORMAL);
    }
    SetForegroundWindow(created);
    SetFocus(created);
    return true;
}

std::intptr_t Application::HandleMessage(WindowHandle handle, unsigned message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
    HWND hwnd = static_cast<HWND>(handle);
    if (exited) {
        return DefWindowProcA(hwnd, message, wParam, lParam); // the game's objects are gone
    }
    const int x = SignedLow(lParam);
    const int y = SignedHigh(lParam);
    switch (message) {
    case WM_SIZE: HandleSize(hwnd, wParam, lParam); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            active = false;
            OnDeactivate();
        } else if (!active) {
            active = true;
            OnActivate();
            Render(true);
        }
        return 0;
    case WM_CLOSE: CloseWindow(); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        // The system ends the process soon after this returns, without the loop's own end.
        if (wParam != FALSE) {
            Shutdown();
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_CLOSE) {
            break;
        }
        quitRequested = true; // ends the loop without WM_CLOSE
        return 0;
    case WM_ERASEBKGND:
    case WM_MOUSEWHEEL: return 0;
    case WM_PAINT: HandlePaint(hwnd); return 0;
    case WM_GETMINMAXINFO: {
        // The frame's real thickness, so the client area never gets below the minimum.
        const SIZE outer = OuterSize(hwnd, minWidth, minHeight);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize.x = outer.cx;
        limits->ptMinTrackSize.y = outer.cy;
        return 0;
    }
    case DpiChangedMessage: MoveToSuggestedRect(hwnd, *reinterpret_cast<RECT*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGING: Render(true); return 0;
    case WM_SYSKEYDOWN:
        if (wParam != VK_RETURN) {
            break;
        }
        ToggleFullScreenOnce(lParam);
        return 0;
    case WM_SYSCHAR:
        if (wParam != '\r') {
            break;
        }
        return 0; // Alt+Enter's character: no menu beep
    case WM_KEYDOWN: {
        if (wParam == VK_F11) {
            ToggleFullScreenOnce(lParam);
            return 0;
        }
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        const bool numLock = GetKeyState(VK_NUMLOCK) != 0;
        const int key = TranslateKeyDown(static_cast<int>(wParam), shift, numLock);
        // Bit 30: the key was already down, so this press is the system's auto-repeat.
        const bool repeated = (lParam & (1L << 30)) != 0;
        if (repeated && !AutoRepeatReaches(key)) {
            return 0;
        }
        OnKeyDown(key, &keys);
        Render(true);
        return 0;
    }
    case WM_CHAR:
        // The window is ANSI, so the character arrives as its Windows-1252 code.
        DeliverCharacter(wParam);
        Render(true);
        return 0;
    case WM_KEYUP:
        OnKeyUp(static_cast<int>(wParam), &keys);
        Render(true);
        return 0;
    case WM_MOUSEMOVE:
        MouseState.x = x;
        MouseState.y = y;
        OnMouseMove(x, y);
        Render(true);
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(hwnd);
        HandleLeftPress(x, y);
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        HandleLeftRelease(x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (!doubleClickEvents) {
            HandleLeftPress(x, y); // a quick second click acts as a press, without capture
            return 0;
        }
        MouseState.x = x;
        MouseState.y = y;
        MouseState.buttonDown = false;
        OnDoubleClick(x, y);
        Render(true);
        return 0;
    case WM_RBUTTONDOWN:
        OnRightMouseDown(x, y);
        Render(true);
        return 0;
    case WM_RBUTTONDBLCLK:
        OnRightDoubleClick(x, y);
        Render(true);
        return 0;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Application::HandleSize(WindowHandle hwnd, std::uintptr_t wParam, std::intptr_t lParam) {
    if (wParam == SIZE_MINIMIZED) {
        OnDeactivate(); // a minimised window may keep the focus, but nobody sees it
        return;
    }
    if (wParam != SIZE_RESTORED && wParam != SIZE_MAXIMIZED) {
        return;
    }
    if (maximizeEcho) {
        // Only the maximise's own echo is passed over: a restore or resize that follows
        // before the mouse moves must still reach the drawing.
        maximizeEcho = false;
        return;
    }
    active = true;
    int newWidth = 0;
    int newHeight = 0;
    ReadClientSize(hwnd, newWidth, newHeight);
    AdoptClientSize(newWidth, newHeight);
    Render(false);
    if (wParam == SIZE_MAXIMIZED) {
        maximizeEcho = true;
        SendMessageA(static_cast<HWND>(hwnd), WM_SIZE, wParam, lParam);
    }
}

// The window was uncovered or restored: it no longer shows the frame presented last, so
// the next present copies it whole (the pump answers a repaint with a frame at once).
void Application::HandlePaint(WindowHandle hwnd) {
    PAINTSTRUCT paint;
    BeginPaint(static_cast<HWND>(hwnd), &paint);
    EndPaint(static_cast<HWND>(hwnd), &paint);
    if (backBuffer != nullptr) {
        backBuffer->PresentWholeNext();
    }
    Render(true);
}

void Application::CloseWindow() {
    animating = false;
    quitRequested = true;
    PostQuitMessage(0);
}

namespace {

// Keys, mouse buttons and repaints are answered with a frame at once; mouse motion and
// everything else wait for the period's frame.
bool IsPromptMessage(UINT message) {
    const bool key = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    const bool button = message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK;
    return key || button || message == WM_PAINT;
}

} // namespace

PumpResult PumpOneMessage(std::uintptr_t& lastWParam) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        return PumpResult::Empty;
    }
    lastWParam = message.wParam;
    if (message.message == WM_QUIT) {
        return PumpResult::Quit;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return IsPromptMessage(message.message) ? PumpResult::Prompt : PumpResult::Dispatched;
}

void WaitForMessages(int timeoutMs) {
    // MWMO_INPUTAVAILABLE: also return for messages already queued but not yet taken.
    // Under Wine this wait is also what sends a presented frame on to the X server.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeoutMs), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

void ReadClientSize(WindowHandle window, int& width, int& height) {
    RECT client = {0, 0, 0, 0};
    if (window != nullptr && GetClientRect(static_cast<HWND>(window), &client)) {
        width = client.right - client.left;
        height = client.bottom - client.top;
    }
}

int ScreenDotsPerInch(const WindowPlacement& opening) {
    return OpeningDotsPerInch(
        opening, {MonitorUnderDotsPerInch, PrimaryMonitorDotsPerInch, SystemDotsPerInch});
}

void ReadScreenSize(int& width, int& height) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
}

void ShowErrorBox(const char* text) {
    ShowBox(text, "ERROR", MB_ICONEXCLAMATION);
}

void Application::DestroyAppWindow() {
    if (window != nullptr) {
        DestroyWindow(static_cast<HWND>(window));
        SetFontMeasuringContext(nullptr);
        window = nullptr;
    }
    UnregisterClassA(className, static_cast<HINSTANCE>(instance));
    if (displayModeChanged) {
        ChangeDisplaySettingsA(nullptr, 0);
        displayModeChanged = false;
    }
}

WindowPlacement ChooseSavedPlacement(const WindowPlacement& saved) {
    return ChoosePlacement(saved, TitleBarHeight(), MonitorWorkAreas());
}

WindowPlacement Application::CurrentPlacement() const {
    if (fullScreenWindow) {
        return placement;
    }
    WINDOWPLACEMENT now;
    now.length = sizeof now;
    WindowPlacement current;
    if (window == nullptr || !GetWindowPlacement(static_cast<HWND>(window), &now)) {
        return current;
    }
    current.normal = FromRECT(now.rcNormalPosition);
    current.maximised = now.showCmd == SW_SHOWMAXIMIZED;
    current.known = HasArea(current.normal);
    return current;
}

void Application::ApplyPlacement() {
    WINDOWPLACEMENT wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.length = sizeof wanted;
    wanted.showCmd = placement.maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    wanted.rcNormalPosition = ToRECT(placement.normal);
    SetWindowPlacement(static_cast<HWND>(window), &wanted);
    if (placement.fullScreen) {
        ToggleFullScreen();
    }
}

void Application::ToggleFullScreenOnce(std::intptr_t lParam) {
    // Bit 30: the key was already down; holding it must not switch back and forth. A run in
    // a changed display mode is full screen already.
    if ((lParam & (1L << 30)) == 0 && !fullscreen) {
        ToggleFullScreen();
    }
}

void Application::ToggleFullScreen() {
    HWND hwnd = static_cast<HWND>(window);
    if (fullScreenWindow) {
        fullScreenWindow = false;
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(WindowedStyle(resizable) | WS_VISIBLE));
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        placement.fullScreen = false;
        ApplyPlacement();
        return;
    }
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) {
        return;
    }
    placement = CurrentPlacement();
    placement.fullScreen = true;
    fullScreenWindow = true;
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_VISIBLE));
    const RECT& screen = info.rcMonitor;
    SetWindowPos(hwnd, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
}
