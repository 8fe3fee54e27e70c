#include "win_app.h"
#include "doc_template.h"
#include "frame_wnd.h"
#include "framework_ids.h"
#include "strings.h"
#include <commctrl.h>

namespace framework {
namespace {
CWinApp* current = nullptr;

// The system's caret blink timer, a message windows.h does not name.
constexpr UINT kCaretBlinkTimerMessage = 0x0118;

// Messages after which the command states may have changed.
bool MayChangeState(const MSG& msg)
{
    switch (msg.message) {
    case WM_PAINT:
    case WM_TIMER:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case kCaretBlinkTimerMessage:
        return false;
    default:
        return true;
    }
}
}  // namespace

CWinApp::CWinApp() { current = this; }

CWinApp::~CWinApp()
{
    if (current == this)
        current = nullptr;
}

CWinApp* CWinApp::Current() { return current; }

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate)
{
    templates_.push_back(std::move(docTemplate));
}

bool CWinApp::OpenNewDocument()
{
    return !templates_.empty() && templates_.front()->OpenNewDocument();
}

void CWinApp::Initialize(HINSTANCE instance, int showCmd)
{
    instance_ = instance;
    showCmd_ = showCmd;
    title_ = LoadText(IDS_APP_TITLE, instance);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

int CWinApp::Main(HINSTANCE instance, int showCmd)
{
    Initialize(instance, showCmd);
    if (!InitInstance())
        return ExitInstance();
    return Run();
}

int CWinApp::ExitInstance()
{
    templates_.clear();
    return exitCode_;
}

bool CWinApp::PreTranslateMessage(MSG& msg)
{
    if (mainFrame_ && mainFrame_->Handle())
        return mainFrame_->PreTranslateMessage(msg);
    return false;
}

bool CWinApp::OnIdle(long count)
{
    if (count == 0 && mainFrame_ && mainFrame_->Handle())
        mainFrame_->OnIdleUpdate();
    return false;
}

int CWinApp::Run()
{
    MSG msg{};
    bool idle = true;
    long idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            exitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1)
            break;
        if (!PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (MayChangeState(msg)) {
            idle = true;
            idleCount = 0;
        }
    }
    return ExitInstance();
}

}  // namespace framework
