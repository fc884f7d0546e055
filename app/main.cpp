// The Windows GUI entry point: creates the one application object, runs it, deletes it.
// No argument is read.
#include "app/application.h"
#include "app/win32.h"
#include "app/window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application* application = CreateApplication();
    if (application == nullptr) {
        ShowErrorBox("Failed to start the program.");
        return 0;
    }
    application->Run();
    delete application;
    return 0;
}
