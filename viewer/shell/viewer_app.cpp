#include "viewer_app.h"
#include "about_box.h"
#include "device_open.h"
#include "doc_template.h"
#include "frame_wnd.h"
#include "main_frame.h"
#include "overlay_viewer.h"
#include "overlay_vocabulary.h"
#include "settings_names.h"
#include "registered_messages.h"
#include "resource.h"
#include "strings.h"
#include "vd_doc.h"
#include "vd_view.h"

// The one application object; its construction makes the single-instance test.
CViewerApp theApp;

CViewerApp::CViewerApp()
{
    RegisterViewerMessages();
}

bool CViewerApp::InitInstance()
{
    if (instance_.AnotherInstance())
        return false;  // the first viewer has been brought forward
    if (!OpenOverlayDevice())
        return false;  // the user has been told; no window was shown
    // (Three-dimensional dialog controls are the platform's own look here.)
    SetRegistryKey(framework::LoadText(kSetRegistryKey));
    AddDocTemplate(std::make_unique<framework::CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CVDDoc>(); }, [] { return new CMainFrame; },
        [] { return new CVDView; }));
    return OpenNewDocument();
}

int CViewerApp::ExitInstance()
{
    if (instance_.Release())
        SendOverlayCommand(overlay::kVerbClose, overlay::kFmtNone);
    return CWinApp::ExitInstance();
}

void CViewerApp::OnAppAbout()
{
    HWND owner = MainFrame() ? MainFrame()->Handle() : nullptr;
    if (!ShowLibraryAboutBox(owner, Instance(), IDR_MAINFRAME, IDS_ABOUT_CREDIT))
        ShowPlainAboutBox(owner, Instance(), IDR_MAINFRAME, IDS_ABOUT_CREDIT);
}
