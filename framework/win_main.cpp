// The program entry of every application built on the framework: the
// application object (a global of the program) has been constructed by now.
#include "win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCmd)
{
    framework::CWinApp* app = framework::CWinApp::Current();
    return app ? app->Main(instance, showCmd) : 1;
}
