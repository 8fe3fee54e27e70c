// The application object: one per process.  It runs the message loop (with
// the main frame's accelerators and idle-time command-state updates), owns the
// document templates and the registry location of its settings.
#pragma once
#include "cmd_target.h"
#include <memory>
#include <string>
#include <vector>

namespace framework {

class CFrameWnd;
class CSingleDocTemplate;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Current();

    // Called from WinMain: initialisation, then the message loop, then exit.
    int Main(HINSTANCE instance, int showCmd);
    // The part of Main before the program's own initialisation: instance,
    // title, common controls.  (Tests that drive windows without a message
    // loop of the application call it alone.)
    void Initialize(HINSTANCE instance, int showCmd);

    HINSTANCE Instance() const { return instance_; }
    int ShowCmd() const { return showCmd_; }
    const std::string& Title() const { return title_; }

    CFrameWnd* MainFrame() const { return mainFrame_; }
    void SetMainFrame(CFrameWnd* frame) { mainFrame_ = frame; }

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    // Creates the first (empty) document of the first template, with its frame and view.
    bool OpenNewDocument();

    // Where the program keeps its settings: HKCU\Software\<company>\<title>.
    void SetRegistryKey(const std::string& company) { registryKey_ = company; }
    const std::string& RegistryKey() const { return registryKey_; }

    // Message loop pieces; the loop itself is Run.
    virtual bool PreTranslateMessage(MSG& msg);
    virtual bool OnIdle(long count);
    int Run();

protected:
    // False ends the program at once (no message loop, ExitInstance still runs).
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();

    int exitCode_ = 0;

private:
    HINSTANCE instance_ = nullptr;
    int showCmd_ = SW_SHOWNORMAL;
    std::string title_;
    CFrameWnd* mainFrame_ = nullptr;
    std::vector<std::unique_ptr<CSingleDocTemplate>> templates_;
    std::string registryKey_;
};

}  // namespace framework
