// What the setup tool's program tests need around the programs: starting
// and watching processes, finding their windows, the simulated card's
// command log and its registry values (the stored configuration and the
// signals plugged into its inputs).
#pragma once

#include "program_process.h"
#include "text_lines.h"
#include "window_test_support.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace setup_test {

using kxtest::DriverInstalled;
using kxtest::Process;
using kxtest::ProgramDirectory;
using kxtest::WaitForWindow;
using kxtest::WindowOf;

// The simulated card's log of the commands it was given, one line each.
class CommandLog {
public:
    explicit CommandLog(const char* name)
    {
        char dir[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, dir);
        path_ = std::string(dir) + name;
        DeleteFileA(path_.c_str());
        SetEnvironmentVariableA("KX310MCI_LOG", path_.c_str());
    }
    ~CommandLog()
    {
        SetEnvironmentVariableA("KX310MCI_LOG", nullptr);
        DeleteFileA(path_.c_str());
    }
    std::vector<std::string> Lines() const { return kxtest::ReadTextLines(path_); }
    void Clear() const { DeleteFileA(path_.c_str()); }

private:
    std::string path_;
};

// The simulated card's registry values for one test: "Inputs" as given (or
// none), no stored configuration; both put back afterwards.
class CardValues {
public:
    explicit CardValues(const char* inputs = nullptr)
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        config_ = Read("Config", hadConfig_);
        inputs_ = Read("Inputs", hadInputs_);
        RegDeleteValueA(key_, "Config");
        SetInputs(inputs);
    }
    ~CardValues()
    {
        Write("Config", hadConfig_ ? config_.c_str() : nullptr);
        Write("Inputs", hadInputs_ ? inputs_.c_str() : nullptr);
        RegCloseKey(key_);
    }
    void SetInputs(const char* inputs) { Write("Inputs", inputs); }
    std::string Config()
    {
        bool had = false;
        return Read("Config", had);
    }

private:
    static constexpr char kKey[] = "Software\\KX310\\Simulated Card";
    std::string Read(const char* name, bool& had)
    {
        char value[4096] = {};
        DWORD size = sizeof value - 1, type = 0;
        had = RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
        return had ? value : "";
    }
    void Write(const char* name, const char* value)
    {
        if (value)
            RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           static_cast<DWORD>(strlen(value) + 1));
        else
            RegDeleteValueA(key_, name);
    }
    HKEY key_ = nullptr;
    std::string config_, inputs_;
    bool hadConfig_ = false, hadInputs_ = false;
};

// The lines from the first that starts with `start` on (none when absent).
inline std::vector<std::string> From(const std::vector<std::string>& lines, const std::string& start, size_t count)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(start, 0) == 0)
            return std::vector<std::string>(lines.begin() + static_cast<long>(i),
                                            lines.begin() + static_cast<long>(std::min(lines.size(), i + count)));
    return {};
}

inline size_t CountStarting(const std::vector<std::string>& lines, const std::string& start)
{
    size_t n = 0;
    for (const std::string& l : lines)
        n += l.rfind(start, 0) == 0 ? 1 : 0;
    return n;
}

}  // namespace setup_test

namespace setup_test {

struct AnsweredBox {
    bool found = false;
    std::string text;   // the texts of its static controls
    DWORD process = 0;
};

// Appends the text of a static control to the string at `lp`.
inline BOOL CALLBACK CollectStaticText(HWND child, LPARAM lp)
{
    char cls[16] = {}, text[512] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
        *reinterpret_cast<std::string*>(lp) += text;
    return TRUE;
}

// Waits for a visible dialog box captioned `caption`, reads its texts,
// presses `button` and waits until the box is gone, so that the next call
// sees the next box.
inline AnsweredBox AnswerBox(const char* caption, int button, DWORD timeoutMs = 15000)
{
    AnsweredBox seen;
    HWND box = nullptr;
    if (!test_support::WaitFor(
            [&] { return (box = FindWindowA("#32770", caption)) != nullptr && IsWindowVisible(box); }, timeoutMs))
        return seen;
    seen.found = true;
    GetWindowThreadProcessId(box, &seen.process);
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    test_support::WaitFor([&] { return !IsWindow(box); }, 5000);
    return seen;
}

// A control's text, or the window text of another process's window.
inline std::string TextOf(HWND wnd)
{
    char text[256] = {};
    SendMessageTimeoutA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
    return text;
}

}  // namespace setup_test
