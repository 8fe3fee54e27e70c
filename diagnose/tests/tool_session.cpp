#include "tool_session.h"
#include "device_tree.h"
#include "pump.h"
#include "real_input.h"
#include "text_lines.h"
#include <commctrl.h>

namespace diagtest {
namespace {

constexpr char kDeviceKey[] = "Software\\KX310\\Simulated Card\\Device";

void DeleteTree(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    char name[256];
    for (;;) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        DeleteTree(key, name);
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, path.c_str());
}

// Our own keys in both trees: every enumerator and node whose name starts with KXTEST.
void RemoveTestKeys()
{
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_DYN_DATA}) {
        const char* parent = root == HKEY_LOCAL_MACHINE ? "Enum\\Root" : "Config Manager\\Enum";
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, parent, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        std::vector<std::string> names;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = sizeof name;
            if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            if (std::string(name).rfind("KXTEST", 0) == 0)
                names.push_back(name);
        }
        RegCloseKey(key);
        for (const std::string& n : names)
            DeleteTree(root, std::string(parent) + "\\" + n);
    }
    DeleteTree(HKEY_LOCAL_MACHINE, kDeviceKey);
}

void SetText(HKEY key, const std::string& name, const std::string& text)
{
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

bool IsToolWindow(HWND wnd, DWORD pid)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    return owner == pid && IsWindowVisible(wnd);
}

HWND WaitForWindowOf(const char* cls, DWORD pid, DWORD ms)
{
    DWORD end = GetTickCount() + ms;
    do {
        for (HWND wnd = FindWindowExA(nullptr, nullptr, cls, nullptr); wnd;
             wnd = FindWindowExA(nullptr, wnd, cls, nullptr))
            if (IsToolWindow(wnd, pid))
                return wnd;
        kxtest::Pump(50);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return nullptr;
}

}  // namespace

std::string ProgramDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.rfind('\\') + 1);
}

std::string TempPath(const char* name)
{
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

DeviceFixture::DeviceFixture()
{
    testhw::RemoveDeviceTree();
    RemoveTestKeys();
}

DeviceFixture::~DeviceFixture()
{
    RemoveTestKeys();
    testhw::InstallDeviceTree();
}

std::string DeviceFixture::AddInstance(const std::string& enumerator, const std::string& instance,
                                       const std::vector<Value>& values)
{
    std::string path = "Enum\\Root\\" + enumerator + "\\" + instance;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
        for (const Value& v : values)
            SetText(key, v.name, v.text);
        RegCloseKey(key);
    }
    return "ROOT\\" + enumerator + "\\" + instance;
}

std::string DeviceFixture::AddCard(const std::string& instance)
{
    return AddInstance("KXTEST", instance,
                       {{"Class", "MEDIA"}, {"DeviceDesc", "Vistacard KX310 Video Overlay"}, {"Mfg", "Halvorn"}});
}

void DeviceFixture::AddNode(const std::string& deviceKey, int problem)
{
    std::string path = "Config Manager\\Enum\\KXTEST" + std::to_string(nodes_++);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_DYN_DATA, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    SetText(key, "HardWareKey", deviceKey);
    if (problem >= 0) {
        BYTE data[4] = {static_cast<BYTE>(problem), 0, 0, 0};
        RegSetValueExA(key, "Problem", 0, REG_BINARY, data, sizeof data);
    }
    RegCloseKey(key);
}

void DeviceFixture::SetDevice(const char* name, DWORD value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDeviceKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

ToolProcess::ToolProcess(const std::string& arguments)
{
    std::string callLog = TempPath("kx310diag_calls.txt");
    std::string helpLog = TempPath("kx310diag_help.txt");
    DeleteFileA(callLog.c_str());
    DeleteFileA(helpLog.c_str());
    SetEnvironmentVariableA("KX310DIAG_LOG", callLog.c_str());
    SetEnvironmentVariableA("KX310HELP_LOG", helpLog.c_str());
    std::string line = "\"" + ProgramDirectory() + "kx310tst.exe\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              ProgramDirectory().c_str(), &si, &info_) != 0;
    if (started_)
        CloseHandle(info_.hThread);
}

ToolProcess::~ToolProcess()
{
    if (!started_)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
}

DWORD ToolProcess::Wait(DWORD ms)
{
    DWORD code = STILL_ACTIVE;
    DWORD end = GetTickCount() + ms;
    do {
        if (WaitForSingleObject(info_.hProcess, 20) == WAIT_OBJECT_0) {
            GetExitCodeProcess(info_.hProcess, &code);
            return code;
        }
        kxtest::Pump(20);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return code;
}

HWND ToolProcess::WaitForDialog(DWORD ms) const { return WaitForWindowOf("KX310DiagnoseClass", Id(), ms); }
HWND ToolProcess::WaitForMessageBox(DWORD ms) const { return WaitForWindowOf("#32770", Id(), ms); }

std::vector<std::string> ToolProcess::CallLog() const { return kxtest::ReadTextLines(TempPath("kx310diag_calls.txt")); }
std::vector<std::string> ToolProcess::HelpLog() const { return kxtest::ReadTextLines(TempPath("kx310diag_help.txt")); }

std::string WindowText(HWND window)
{
    char text[2048] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

bool PressItem(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item && kxtest::RunXdotool(kxtest::ClickAt(kxtest::ClientCentre(item)), [] { kxtest::Pump(10); });
}

bool ClickItem(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    if (!item || !kxtest::RunXdotool(kxtest::ClickAt(kxtest::ClientCentre(item)), [] { kxtest::Pump(10); }))
        return false;
    // The click has been handled once the tool answers again.
    DWORD_PTR ignored = 0;
    kxtest::Pump(200);
    return SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

}  // namespace diagtest
