// The viewer's application object: the single-instance test at
// construction, the device open and the document at initialisation, and the
// device's close at exit.
#pragma once
#include "message_table.h"
#include "resource.h"
#include "single_instance.h"
#include "viewer_class.h"
#include "win_app.h"

class CViewerApp : public framework::Routed<CViewerApp, framework::CWinApp> {
public:
    CViewerApp();

protected:
    bool InitInstance() override;
    int ExitInstance() override;

    void OnAppAbout();

    friend struct framework::TableAccess;
    static constexpr framework::CommandEntry<CViewerApp> kCommands[] = {
        {ID_APP_ABOUT, &CViewerApp::OnAppAbout},
    };

private:
    framework::CSingleInstance instance_{kViewerClassName};
};
