// The Windows GUI entry point: creates the one application object, runs it, deletes it.
// No argument is read. A copy already running on the same data folder is brought to the
// front instead.
#include "app/application.h"
#include "app/single_instance.h"
#include "app/window.h"
#include "base/platform_win32.h"
#include "shell/data_files.h"
#include "text/translate.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application* application = CreateApplication();
    if (application == nullptr) {
        ShowErrorBox(Tr("Failed to start the program."));
        return 0;
    }
    SingleInstance instance;
    if (instance.Claim(DataFolderForThisRun(), WindowClassName(application->title))) {
        application->Run();
    }
    delete application;
    return 0;
}
