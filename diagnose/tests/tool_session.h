// Test support for the diagnostic tool as a program: the registry device
// tree and the Device key of the simulated card as fixtures, the tool
// started as a process with its call and help logs, and its dialog read
// from outside as a person sees it.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace diagtest {

std::string ProgramDirectory();
std::string TempPath(const char* name);

// A registry fixture: entries under HKLM\Enum\Root\KXTEST<n> and nodes under
// HKEY_DYN_DATA\Config Manager\Enum\KXTEST<n>, the Device key's values; all
// removed again (and the session's installed card put back) at the end.
class DeviceFixture {
public:
    DeviceFixture();
    ~DeviceFixture();
    DeviceFixture(const DeviceFixture&) = delete;
    DeviceFixture& operator=(const DeviceFixture&) = delete;

    struct Value {
        std::string name;
        std::string text;
    };
    // An instance key with string values written in this order; returns its device key.
    std::string AddInstance(const std::string& enumerator, const std::string& instance,
                            const std::vector<Value>& values);
    // The card's usual instance (Class MEDIA, the description, the maker).
    std::string AddCard(const std::string& instance);
    // A running-configuration node for `deviceKey`, with a problem code (or none when < 0).
    void AddNode(const std::string& deviceKey, int problem);
    void SetDevice(const char* name, DWORD value);

private:
    int nodes_ = 0;
};

// The tool as a process started with `arguments`, with KX310DIAG_LOG and
// KX310HELP_LOG naming fresh files.
class ToolProcess {
public:
    explicit ToolProcess(const std::string& arguments = {});
    ~ToolProcess();
    bool Started() const { return started_; }
    DWORD Id() const { return info_.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD Wait(DWORD ms);
    // The tool's dialog once it is visible, or null.
    HWND WaitForDialog(DWORD ms = 15000) const;
    // A message box of the tool once visible, or null.
    HWND WaitForMessageBox(DWORD ms = 15000) const;

    std::vector<std::string> CallLog() const;
    std::vector<std::string> HelpLog() const;

private:
    bool started_ = false;
    PROCESS_INFORMATION info_{};
};

std::string ItemText(HWND dialog, int id);
std::string WindowText(HWND window);
// Clicks the control with the real pointer and waits until the tool has handled it.
bool ClickItem(HWND dialog, int id);
// Clicks the control with the real pointer, for a click after which the window goes away.
bool PressItem(HWND dialog, int id);

}  // namespace diagtest
