// The native test program's platform: the window, GDI, sound and shell services of the
// *_win32.cpp files, as a system with no display, fonts, sounds or resources would give
// them. The plain layers link against it on the build machine; tests that need the real
// services run only in the Windows test program under Wine.
#include <cstdio>

#include "app/application.h"
#include "app/sound.h"
#include "app/window.h"
#include "render/back_buffer.h"
#include "render/image.h"
#include "text/font.h"
#include "ui/shell_open.h"

PumpResult PumpOneMessage(std::uintptr_t&) {
    return PumpResult::Empty;
}

void WaitForMessages(int) {}

void ReadClientSize(WindowHandle, int& width, int& height) {
    width = 0;
    height = 0;
}

int ScreenDotsPerInch(const WindowPlacement&) {
    return 96;
}

void ReadScreenSize(int& width, int& height) {
    width = 0;
    height = 0;
}

void ShowErrorBox(const char* text) {
    std::fprintf(stderr, "ERROR: %s\n", text);
}

bool Application::CreateAppWindow(const std::string&, int, int, int, int, int, bool) {
    ShowErrorBox("no window system in the native build");
    return false;
}

void Application::DestroyAppWindow() {}

// No monitor to restore a placement onto, and no window to have one.
WindowPlacement ChooseSavedPlacement(const WindowPlacement& saved) {
    return ChoosePlacement(saved, 0, {});
}

WindowPlacement Application::CurrentPlacement() const {
    return WindowPlacement();
}

// Without a window there is no surface: pixels stay null, as when a DIB section is refused.
BackBuffer::BackBuffer(WindowHandle owner, int w, int h) : width(w), height(h), window(owner) {}

void BackBuffer::Destroy() {}

bool BackBuffer::Present(int) {
    return false;
}

// No bitmap resources: every image stays empty and draws nothing.
bool Image::Load(ModuleHandle, int, ColorRef) {
    return false;
}

void Image::Free() {
    pixelData = nullptr;
}

bool SystemPlaysResource(int, ModuleHandle, std::uint32_t) {
    return false;
}

bool SystemPlaysFile(const char*, std::uint32_t) {
    return false;
}

void AskShellToOpen(const char*) {}

// No GDI fonts: a named font measures every code as zero wide and draws no glyphs; fonts
// made from metrics measure as given.
void Font::CreateGdiFont(const char*, int) {}

void Font::DeleteGdiFont() {}

GdiObject Font::SelectIntoSurface() const {
    return nullptr;
}

void Font::RestoreSurfaceFont(GdiObject) const {}

bool Font::OutputGlyphs(const char*, int, int, int, ColorRef) const {
    return false;
}
