// The diagnostic tool as a person meets it: started on registry fixtures of
// the device tree and configured answers of the simulated card's test
// hardware, its dialog read from outside, Test and Troubleshooter clicked
// with the real pointer, the bridge's calls seen in KX310DIAG_LOG and the
// help requests in KX310HELP_LOG.
#include "resource.h"
#include "pump.h"
#include "real_input.h"
#include "tool_session.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

using diagtest::DeviceFixture;
using diagtest::ItemText;
using diagtest::ToolProcess;

namespace {

const char kClickTest[] = "Click Test to diagnose the hardware.";
const char kUnknownIo[] = "??? - ???";

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

bool Contains(const std::vector<std::string>& lines, const std::string& start)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

// The bridge's calls of the log, without the device requests.
std::vector<std::string> BridgeCalls(const std::vector<std::string>& lines)
{
    std::vector<std::string> calls;
    for (const std::string& l : lines)
        if (l.rfind("Ovl", 0) == 0)
            calls.push_back(l.substr(0, l.find(' ')));
    return calls;
}

// How often each colour shows on screen inside a window.
std::map<COLORREF, int> ScreenColours(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    std::map<COLORREF, int> count;
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (int i = 0; i < w * h; ++i)
        ++count[RGB((pixel[i] >> 16) & 0xFF, (pixel[i] >> 8) & 0xFF, pixel[i] & 0xFF)];
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return count;
}

class DiagnoseTool : public ::testing::Test {
protected:
    DeviceFixture fixture;
};

TEST_F(DiagnoseTool, OneWorkingEntryShowsItsResourcesAndAllTestsPass)
{
    fixture.AddNode(fixture.AddCard("0000"), 0);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(diagtest::WindowText(dialog), "Vistacard KX310 Diagnose");
    EXPECT_EQ(ItemText(dialog, IDC_IO_TEXT), "300-31F");
    EXPECT_EQ(ItemText(dialog, IDC_IRQ_TEXT), "5");
    EXPECT_EQ(ItemText(dialog, IDC_MEMORY_TEXT), "D0000-D7FFF");
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), kClickTest);
    EXPECT_TRUE(Enabled(dialog, IDOK));
    HWND progress = GetDlgItem(dialog, IDC_TEST_PROGRESS);
    EXPECT_EQ(SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 6);

    // The picture of the card on its teal ground: the bitmap's background
    // (palette entry 13, magenta in the file) shows the ground as well.
    kxtest::Pump(300);
    std::map<COLORREF, int> colours = ScreenColours(GetDlgItem(dialog, IDC_PICTURE));
    EXPECT_GT(colours[RGB(0, 128, 128)], 10000);
    EXPECT_GT(colours[RGB(0, 128, 0)], 5000);   // the board
    EXPECT_EQ(colours[RGB(255, 0, 255)], 0);

    ASSERT_TRUE(diagtest::ClickItem(dialog, IDOK));
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), "No problem.");
    EXPECT_EQ(SendMessageA(progress, PBM_GETPOS, 0, 0), 0);
    std::vector<std::string> log = tool.CallLog();
    EXPECT_EQ(BridgeCalls(log), (std::vector<std::string>{"OvlClass", "OvlGetInitStatus", "OvlTestInterface",
                                                           "OvlTestConnector", "OvlTestInterrupt", "OvlTestMemory"}));
    // The resources of the record, as the bridge's back-end received them.
    EXPECT_TRUE(Contains(log, "OvlClass 0x0300 0x0005 0x000D0000")) << log.size();
    // The tests can run again.
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDOK));
    EXPECT_EQ(BridgeCalls(tool.CallLog()).size(), 12u);
}

TEST_F(DiagnoseTool, FailingTestEndsTheRun)
{
    fixture.AddNode(fixture.AddCard("0000"), 0);
    fixture.SetDevice("TestInterface", 8);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDOK));
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), "Feature connector cable not connected.");
    EXPECT_EQ(BridgeCalls(tool.CallLog()),
              (std::vector<std::string>{"OvlClass", "OvlGetInitStatus", "OvlTestInterface"}));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_TEST_PROGRESS), PBM_GETPOS, 0, 0), 0);

    // The answers are read at every request: the next run sees the new one.
    fixture.SetDevice("TestInterface", 0);
    fixture.SetDevice("InitStatus", 9);
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDOK));
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), "VKX310D.VXD not present in system.");
}

TEST_F(DiagnoseTool, CodeWidenedFromSixteenBitsOutsideTheTableLeavesTheStatusEmpty)
{
    fixture.AddNode(fixture.AddCard("0000"), 0);
    // The low word 0xFFCE is -50: string 151 - 50 would be the About item's text.
    fixture.SetDevice("TestMemory", 0xABCDFFCE);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDOK));
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), "");
    EXPECT_TRUE(Contains(tool.CallLog(), "OvlTestMemory -> 0xABCDFFCE"));
    // Above the table the status is empty too; the upper word never counts.
    fixture.SetDevice("TestMemory", 0x0000000D);
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDOK));
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), "");
    fixture.SetDevice("TestMemory", 0x00070000);
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDOK));
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), "No problem.");
}

TEST_F(DiagnoseTool, TwoEntriesTheSecondWorking)
{
    fixture.AddNode(fixture.AddCard("0000"), 22);
    fixture.AddNode(fixture.AddCard("0001"), 0);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT),
              "Another Vistacard KX310 device is detected in the system.\nPlease run the Troubleshooter and remove "
              "that device.");
    EXPECT_EQ(ItemText(dialog, IDC_IO_TEXT), "300-31F");
    EXPECT_TRUE(Enabled(dialog, IDOK));
}

TEST_F(DiagnoseTool, TwoEntriesBothWithProblems)
{
    fixture.AddNode(fixture.AddCard("0000"), 22);
    fixture.AddNode(fixture.AddCard("0001"), 1);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT).rfind("More than one Vistacard KX310 is detected", 0), 0u);
    EXPECT_EQ(ItemText(dialog, IDC_IO_TEXT), kUnknownIo);
    EXPECT_EQ(ItemText(dialog, IDC_IRQ_TEXT), "??");
    EXPECT_EQ(ItemText(dialog, IDC_MEMORY_TEXT), "???? - ????");
    EXPECT_FALSE(Enabled(dialog, IDOK));
}

TEST_F(DiagnoseTool, EntryWithoutNodeAndMemoryInUseIsStarred)
{
    fixture.AddCard("0000");   // no running-configuration node: problem -1
    fixture.SetDevice("IoCheckError", 0x200B);
    fixture.SetDevice("MemCheckError", 0x200C);
    fixture.SetDevice("MemBase", 0xC8000);
    fixture.SetDevice("MemLength", 0x4000);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_MEMORY_TEXT), "*C8000-CBFFF");
    EXPECT_EQ(ItemText(dialog, IDC_IO_TEXT), "300-31F");
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT).rfind("*Memory Range failure:-\nThe memory range ", 0),
              0u);
    EXPECT_FALSE(Enabled(dialog, IDOK));
}

TEST_F(DiagnoseTool, NoConfigurationMakesTheDeviceUnusable)
{
    fixture.AddNode(fixture.AddCard("0000"), 22);
    fixture.SetDevice("ConfigError", 0x2007);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT),
              "There is a problem with the device.\nClick Troubleshooter to resolve the problem.");
    EXPECT_EQ(ItemText(dialog, IDC_IO_TEXT), kUnknownIo);
    EXPECT_FALSE(Enabled(dialog, IDOK));
}

TEST_F(DiagnoseTool, ClassBeforeDescriptionIsNotCounted)
{
    // Values are enumerated by name here, so "Class" always comes first.
    fixture.AddNode(fixture.AddInstance("KXTEST", "0000",
                                        {{"Class", "SYSTEM"}, {"DeviceDesc", "Vistacard KX310"}, {"Mfg", "Halvorn"}}),
                    0);
    fixture.AddNode(fixture.AddCard("0001"), 0);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    // One entry only: no word of another device.
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), kClickTest);
}

TEST_F(DiagnoseTool, ScanKeepsTenEntries)
{
    // Ten entries with problems, and an eleventh that works: it is not kept,
    // so no entry works.
    for (int i = 0; i < 10; ++i) {
        char name[8];
        wsprintfA(name, "%04d", i);
        fixture.AddNode(fixture.AddCard(name), 22);
    }
    fixture.AddNode(fixture.AddCard("0010"), 0);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT).rfind("More than one Vistacard KX310 is detected", 0), 0u);
    EXPECT_FALSE(Enabled(dialog, IDOK));
}

TEST_F(DiagnoseTool, NoDeviceDriverPromptsToInstall)
{
    fixture.AddNode(fixture.AddCard("0000"), 0);
    fixture.SetDevice("Present", 0);
    ToolProcess tool;
    HWND box = tool.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(diagtest::WindowText(box), "Vistacard KX310 Diagnose");
    EXPECT_EQ(ItemText(box, 0xFFFF),
              "The Vistacard KX310 device is not installed.\nDo you want to install the device?");
    EXPECT_FALSE(FindWindowA("KX310DiagnoseClass", nullptr) &&
                 IsWindowVisible(FindWindowA("KX310DiagnoseClass", nullptr)));
    ASSERT_TRUE(diagtest::PressItem(box, IDYES));
    EXPECT_EQ(tool.Wait(15000), 0u);
    EXPECT_EQ(tool.HelpLog(), (std::vector<std::string>{"context readme.hlp 4"}));
}

TEST_F(DiagnoseTool, NoEntriesPromptsToInstallAndNoOpensNoHelp)
{
    ToolProcess tool;
    HWND box = tool.WaitForMessageBox();
    ASSERT_TRUE(box);
    ASSERT_TRUE(diagtest::PressItem(box, IDNO));
    EXPECT_EQ(tool.Wait(15000), 0u);
    EXPECT_TRUE(tool.HelpLog().empty());
}

TEST_F(DiagnoseTool, TroubleshooterOpensTheConflictTroubleshooter)
{
    fixture.AddNode(fixture.AddCard("0000"), 0);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDC_TROUBLESHOOTER));
    EXPECT_EQ(tool.HelpLog(),
              (std::vector<std::string>{"macro windows.hlp JumpId(\"windows.hlp\", \"IDH_DEVMGR_CONFLICT_TRB\")"}));
    // F1 opens no help of the dialog's own.
    ASSERT_TRUE(kxtest::RunXdotool("key F1", [] { kxtest::Pump(10); }));
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDC_STATUS_TEXT));
    EXPECT_EQ(tool.HelpLog().size(), 1u);
    // Without the maker's About library the About command shows nothing.
    PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
    ASSERT_TRUE(diagtest::ClickItem(dialog, IDC_STATUS_TEXT));
    EXPECT_FALSE(tool.WaitForMessageBox(500));
    ASSERT_TRUE(diagtest::PressItem(dialog, IDCANCEL));
    EXPECT_EQ(tool.Wait(15000), 0u);
}

TEST_F(DiagnoseTool, HelpCommandLineOpensOnlyTheHelpFile)
{
    fixture.AddNode(fixture.AddCard("0000"), 0);
    ToolProcess tool("H=12");
    EXPECT_EQ(tool.Wait(15000), 0u);
    EXPECT_EQ(tool.HelpLog(), (std::vector<std::string>{"context readme.hlp 12"}));
    EXPECT_TRUE(tool.CallLog().empty());   // not even the device was opened
}

TEST_F(DiagnoseTool, SecondStartEndsAndBringsTheFirstBack)
{
    fixture.AddNode(fixture.AddCard("0000"), 0);
    ToolProcess first;
    HWND dialog = first.WaitForDialog();
    ASSERT_TRUE(dialog);
    ShowWindow(dialog, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(dialog));
    {
        ToolProcess second;
        EXPECT_EQ(second.Wait(15000), 0u);
        EXPECT_FALSE(second.WaitForDialog(500));
    }
    EXPECT_FALSE(IsIconic(dialog));
    EXPECT_EQ(GetForegroundWindow(), dialog);
    // The help command line works while the first one runs.
    ToolProcess help("x h=7");
    EXPECT_EQ(help.Wait(15000), 0u);
    EXPECT_EQ(help.HelpLog(), (std::vector<std::string>{"context readme.hlp 7"}));
    EXPECT_TRUE(IsWindow(dialog));
}

}  // namespace

namespace {

DWORD RunInstaller(const std::string& arguments)
{
    std::string line = "\"" + diagtest::ProgramDirectory() + "kx310_install_card.exe\" " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return 0xDEAD;
    WaitForSingleObject(pi.hProcess, 20000);
    DWORD code = 0xDEAD;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

// The simulated card's installer program, as the session runs it: the tool
// finds the card it installed, and nothing after its removal.
TEST(CardInstaller, WritesAndRemovesTheDeviceTree)
{
    ASSERT_EQ(RunInstaller("/remove"), 0u);
    {
        ToolProcess tool;
        HWND box = tool.WaitForMessageBox();
        ASSERT_TRUE(box);
        ASSERT_TRUE(diagtest::PressItem(box, IDNO));
        EXPECT_EQ(tool.Wait(15000), 0u);
    }
    ASSERT_EQ(RunInstaller(""), 0u);
    ToolProcess tool;
    HWND dialog = tool.WaitForDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_STATUS_TEXT), kClickTest);
    EXPECT_EQ(ItemText(dialog, IDC_IO_TEXT), "300-31F");
    EXPECT_TRUE(Enabled(dialog, IDOK));
}

}  // namespace
