#include "diagnose_dlg.h"
#include "about_box.h"
#include "card_source.h"
#include "help.h"
#include "ovl_exports.h"
#include "strings.h"
#include "win_app.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// The tests through the bridge library, the progress bar moving with them.
class CBridgeTests : public diag::TestRunTarget {
public:
    explicit CBridgeTests(HWND progress) : progress_(progress) {}
    std::uint32_t Class(std::uint32_t io, std::uint32_t irq, std::uint32_t mem) override { return OvlClass(io, irq, mem); }
    std::uint32_t GetInitStatus() override { return OvlGetInitStatus(); }
    std::uint32_t TestInterface() override { return OvlTestInterface(); }
    std::uint32_t TestConnector() override { return OvlTestConnector(); }
    std::uint32_t TestInterrupt() override { return OvlTestInterrupt(); }
    std::uint32_t TestMemory() override { return OvlTestMemory(); }
    void SetProgress(int position) override
    {
        SendMessageA(progress_, PBM_SETPOS, position, 0);
        UpdateWindow(progress_);   // the run holds the thread: paint now
    }

private:
    HWND progress_;
};

}  // namespace

CDiagnoseDlg::CDiagnoseDlg(HWND parent)
    : Routed(IDD_DIAGNOSE, parent), status_(framework::LoadText(IDS_CLICK_TEST))
{
    icon_ = LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_DIAGNOSE));
    constructed_ = picture_.LoadBitmaps(Instance(), IDB_CARD);
}

void CDiagnoseDlg::DoDataExchange(framework::CDataExchange& dx)
{
    dx.Text(IDC_IO_TEXT, ioText_);
    dx.Text(IDC_IRQ_TEXT, irqText_);
    dx.Text(IDC_MEMORY_TEXT, memoryText_);
    dx.Text(IDC_STATUS_TEXT, status_, 1024);
}

bool CDiagnoseDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Centred on the owner, or on the screen without one.
    RECT box = WindowRect();
    RECT around{};
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner)
        GetWindowRect(owner, &around);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
    int x = around.left + ((around.right - around.left) - (box.right - box.left)) / 2;
    int y = around.top + ((around.bottom - around.top) - (box.bottom - box.top)) / 2;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    AppendSystemMenu();
    picture_.TakeOver(hwnd_, IDC_PICTURE);

    CCardSource source(device_);
    diag::Assessment a = diag::AssessCard(source);
    if (!a.installed) {
        PromptInstall();
        EndDialog(0);
        return false;
    }
    ShowAssessment(a);

    HWND progress = Item(IDC_TEST_PROGRESS);
    SendMessageA(progress, PBM_SETRANGE, 0, MAKELPARAM(0, diag::kProgressSteps));
    SendMessageA(progress, PBM_SETPOS, 0, 0);
    UpdateControls();
    HWND focus = GetDlgItem(hwnd_, LOWORD(SendMessageA(hwnd_, DM_GETDEFID, 0, 0)));
    if (focus && IsWindowEnabled(focus))
        SetFocus(focus);
    else
        SetFocus(Item(IDCANCEL));
    return false;
}

void CDiagnoseDlg::AppendSystemMenu()
{
    std::string about = framework::LoadText(IDS_ABOUT_MENU);
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (about.empty() || !menu)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, about.c_str());
}

void CDiagnoseDlg::ShowAssessment(const diag::Assessment& a)
{
    status_.clear();
    for (unsigned id : a.status)
        status_ += framework::LoadText(id);
    std::string star = framework::LoadText(IDS_FAILED_MARK);
    ioText_ = diag::ResourceText(a.io, star, framework::LoadText(IDS_UNKNOWN_IO));
    irqText_ = diag::ResourceText(a.irq, star, framework::LoadText(IDS_UNKNOWN_IRQ));
    memoryText_ = diag::ResourceText(a.memory, star, framework::LoadText(IDS_UNKNOWN_MEMORY));
    EnableWindow(Item(IDOK), a.testEnabled ? TRUE : FALSE);
    record_ = a.record;
}

void CDiagnoseDlg::PromptInstall()
{
    int answer = framework::MessageBoxFromTable(hwnd_, IDS_NOT_INSTALLED, IDS_CAPTION,
                                                MB_YESNO | MB_ICONINFORMATION);
    if (answer == IDYES)
        framework::ShowNamedHelpContext(GetActiveWindow(), framework::LoadText(IDS_README_HELP),
                                        HELP_CONTEXT_INSTALL);
}

void CDiagnoseDlg::OnOK()
{
    // The default button may be pressed with Enter while it is disabled.
    if (IsWindowEnabled(Item(IDOK)))
        RunTests();
}

void CDiagnoseDlg::RunTests()
{
    status_ = framework::LoadText(IDS_TESTING);
    UpdateControls();
    UpdateWindow(Item(IDC_STATUS_TEXT));
    HWND progress = Item(IDC_TEST_PROGRESS);
    CBridgeTests bridge(progress);
    int code = diag::RunHardwareTests(bridge, record_);
    unsigned id = diag::ResultStringId(code);
    status_ = id ? framework::LoadText(id) : std::string();
    UpdateControls();
    SendMessageA(progress, PBM_SETPOS, 0, 0);
}

void CDiagnoseDlg::OnTroubleshooter()
{
    framework::ShowNamedHelpTopic(hwnd_, framework::LoadText(IDS_SYSTEM_HELP),
                                  framework::LoadText(IDS_CONFLICT_TOPIC));
}

LRESULT CDiagnoseDlg::OnSysCommand(const framework::Message& m)
{
    if (m.SysCommand() == IDM_ABOUT) {
        ShowAboutBox(hwnd_, Instance(), IDI_DIAGNOSE, IDS_ABOUT_CREDIT);
        return 0;
    }
    return Default(m);
}

LRESULT CDiagnoseDlg::OnPaint(const framework::Message& m)
{
    if (!IsIconic(hwnd_))
        return Default(m);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client = ClientRect();
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(hwnd_, &paint);
    return 0;
}

LRESULT CDiagnoseDlg::OnQueryDragIcon(const framework::Message& m)
{
    return reinterpret_cast<LRESULT>(icon_);
}

LRESULT CDiagnoseDlg::OnDrawItem(const framework::Message& m)
{
    const DRAWITEMSTRUCT* item = m.DrawItem();
    if (!item || item->CtlID != IDC_PICTURE)
        return Default(m);
    picture_.DrawItem(*item);
    return TRUE;
}

LRESULT CDiagnoseDlg::OnHelpMessage(const framework::Message& m)
{
    return TRUE;
}

LRESULT CDiagnoseDlg::OnDestroy(const framework::Message& m)
{
    device_.Close();
    return Default(m);
}
