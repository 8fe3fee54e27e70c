#include "main_sheet.h"

#include "device_walk.h"
#include "help.h"
#include "resource.h"
#include "setup_link.h"
#include "sheet_window_class.h"
#include "signal_rules.h"
#include "strings.h"

using framework::LoadText;
using framework::Message;

const UINT g_msgVideoDeckSetup = RegisterWindowMessageA(kHandOverMessageName);

namespace {

// The request block of the About library's entry: fifteen 32-bit fields on
// 32-bit Windows.
struct AboutBoxRequest {
    DWORD size;
    HINSTANCE instance;
    HWND owner;
    DWORD iconId;
    DWORD creditString;
    DWORD reserved1[4];
    DWORD style;
    DWORD reserved2[5];
};
#ifndef _WIN64
static_assert(sizeof(AboutBoxRequest) == 60, "the library expects a 60-byte block");
#endif

}  // namespace

CMainSht::CMainSht(bool startedByViewer)
    : Routed(LoadText(IDS_SHEET_CAPTION), nullptr, 0), startedByViewer_(startedByViewer)
{
    AddPage(&system_);
    AddPage(&color_);
    AddPage(&video_);
    RegisterSheetWindowClass();
    CSignalCard card;
    setup::ProbeInputs(card);
}

void CMainSht::OnPreCreate(void* dialogTemplate)
{
    if (!UseWindowClass(dialogTemplate, RegisterSheetWindowClass()))
        OutputDebugStringA("kx310stw: the sheet keeps the dialog class\n");
}

void CMainSht::OnInitialized()
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(module, MAKEINTRESOURCEA(IDI_SETUP))));
    SetDlgItemTextA(hwnd_, IDC_CLOSE_BUTTON, LoadText(IDS_CLOSE).c_str());
    SetDlgItemTextA(hwnd_, IDC_SAVE_BUTTON, LoadText(IDS_SAVE).c_str());
    ShowWindow(GetDlgItem(hwnd_, IDC_HIDDEN_BUTTON), SW_HIDE);
    LayOutButtons();
    Centre();
    AddAboutItem();
}

// "&Close" takes the place of the hidden button, so the visible buttons
// keep together at the right.
void CMainSht::LayOutButtons()
{
    HWND close = GetDlgItem(hwnd_, IDC_CLOSE_BUTTON), hidden = GetDlgItem(hwnd_, IDC_HIDDEN_BUTTON);
    if (!close || !hidden)
        return;
    RECT closeRect{}, hiddenRect{};
    GetWindowRect(close, &closeRect);
    GetWindowRect(hidden, &hiddenRect);
    POINT at{hiddenRect.left, hiddenRect.top};
    ScreenToClient(hwnd_, &at);
    SetWindowPos(close, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainSht::Centre()
{
    RECT sheet{}, area{};
    GetWindowRect(hwnd_, &sheet);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int width = sheet.right - sheet.left, height = sheet.bottom - sheet.top;
    SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainSht::AddAboutItem()
{
    const std::string item = LoadText(IDS_ABOUT_ITEM);
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (item.empty() || !menu)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, item.c_str());
}

LRESULT CMainSht::OnCommand(const Message& m)
{
    if (m.NotifyCode() == BN_CLICKED) {
        switch (m.CommandId()) {
        case IDC_CLOSE_BUTTON:
            CloseSheet();
            return 0;
        case IDC_HIDDEN_BUTTON:
            if (ending_)
                break;  // the sheet's own end
            CloseSheet();
            return 0;
        case IDC_SAVE_BUTTON:
            Save();
            return 0;
        default:
            break;
        }
    }
    return Default(m);
}

LRESULT CMainSht::OnSysCommand(const Message& m)
{
    if (m.SysCommand() == IDM_ABOUT) {
        ShowAbout();
        return 0;
    }
    if (m.SysCommand() == SC_CLOSE) {
        CloseSheet();
        return 0;
    }
    return Default(m);
}

LRESULT CMainSht::OnClose(const Message&)
{
    CloseSheet();
    return 0;
}

LRESULT CMainSht::OnMove(const Message& m)
{
    if (system_.Handle())
        system_.SendPlacement();
    return Default(m);
}

LRESULT CMainSht::OnDisplayChange(const Message& m)
{
    if (system_.Handle())
        system_.OnDisplayChanged();
    return Default(m);
}

LRESULT CMainSht::OnSysColorChange(const Message& m)
{
    // The sheet does not pass it on: the pages' pictures take the new face.
    for (framework::CPropertyPage* page : {static_cast<framework::CPropertyPage*>(&system_),
                                           static_cast<framework::CPropertyPage*>(&color_),
                                           static_cast<framework::CPropertyPage*>(&video_)})
        if (page->Handle())
            SendMessageA(page->Handle(), WM_SYSCOLORCHANGE, 0, 0);
    return Default(m);
}

LRESULT CMainSht::OnDestroy(const Message& m)
{
    WinHelpA(hwnd_, framework::HelpFilePath().c_str(), HELP_QUIT, 0);
    return Default(m);
}

LRESULT CMainSht::OnHandOver(const Message&)
{
    // A viewer is starting and wants the device: no question, nothing saved.
    endedByHandOver_ = true;
    EndSheet();
    CloseOverlayDevice();
    ExitProcess(0);
}

void CMainSht::CloseSheet()
{
    const std::string caption = LoadText(IDS_SHEET_CAPTION);
    if (!endedByHandOver_ && startedByViewer_) {
        reopenAnswer_ = MessageBoxA(hwnd_, LoadText(IDS_REOPEN_VIEWER).c_str(), caption.c_str(),
                                    MB_YESNOCANCEL | MB_ICONQUESTION);
        if (reopenAnswer_ == IDCANCEL)
            return;
    }
    if (SaveEnabled()) {
        const int answer =
            MessageBoxA(hwnd_, LoadText(IDS_SAVE_QUESTION).c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES)
            Save();
    }
    EndSheet();
}

void CMainSht::Save()
{
    const std::string config = LoadText(IDS_SAVE_CONFIG_TYPE);
    SendOverlayCommand(overlay::kVerbSave, overlay::kFmtFileType, "", config.c_str());
    EnableWindow(GetDlgItem(hwnd_, IDC_SAVE_BUTTON), FALSE);
}

bool CMainSht::SaveEnabled() const
{
    HWND save = GetDlgItem(hwnd_, IDC_SAVE_BUTTON);
    return save && IsWindowEnabled(save);
}

void CMainSht::EndSheet()
{
    ending_ = true;
    SendMessageA(hwnd_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

void CMainSht::ShowAbout()
{
    using AboutEntry = int(WINAPI*)(AboutBoxRequest*);
    const UINT previous = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    framework::Library library(LoadLibraryA("htres32.dll"));
    SetErrorMode(previous);
    if (!library)
        return;
    auto entry = reinterpret_cast<AboutEntry>(GetProcAddress(library.get(), "htCreateAboutBoxEx"));
    if (!entry)
        return;
    AboutBoxRequest request{};
    request.size = sizeof request;
    request.instance = GetModuleHandleA(nullptr);
    request.owner = hwnd_;
    request.iconId = IDI_SETUP;
    request.creditString = IDS_ABOUT_CREDIT;
    request.style = 32;
    entry(&request);
}
