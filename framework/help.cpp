#include "help.h"

#include <cstdio>

namespace framework {
namespace {

void LogHelpRequest(const std::string& line)
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("KX310HELP_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    if (FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%s\n", line.c_str());
        std::fclose(log);
    }
}

bool IsFile(const std::string& path)
{
    DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The full path of a named help file, or an empty text when there is none.
std::string FindHelpFile(const std::string& file)
{
    std::string folders[3];
    folders[0] = HelpFilePath();
    size_t slash = folders[0].find_last_of("\\/");
    folders[0] = slash == std::string::npos ? std::string() : folders[0].substr(0, slash + 1);
    char windows[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        folders[1] = std::string(windows, length) + "\\";
        folders[2] = folders[1] + "help\\";
    }
    for (const std::string& folder : folders)
        if (!folder.empty() && IsFile(folder + file))
            return folder + file;
    return {};
}

}  // namespace

std::string HelpFilePath()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::string file(path, length);
    size_t slash = file.find_last_of("\\/");
    size_t dot = file.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        file.erase(dot);
    return file + ".hlp";
}

bool ShowHelpContext(HWND owner, DWORD context)
{
    std::string file = HelpFilePath();
    DWORD attributes = file.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        MessageBeep(MB_OK);
        return false;
    }
    return WinHelpA(owner, file.c_str(), HELP_CONTEXT, context) != FALSE;
}

}  // namespace framework

namespace framework {

bool ShowNamedHelpContext(HWND owner, const std::string& file, DWORD context)
{
    LogHelpRequest("context " + file + " " + std::to_string(context));
    std::string path = FindHelpFile(file);
    if (path.empty()) {
        MessageBeep(MB_OK);
        return false;
    }
    return WinHelpA(owner, path.c_str(), HELP_CONTEXT, context) != FALSE;
}

bool ShowNamedHelpTopic(HWND owner, const std::string& file, const std::string& topic)
{
    std::string macro = "JumpId(\"" + file + "\", \"" + topic + "\")";
    LogHelpRequest("macro " + file + " " + macro);
    std::string path = FindHelpFile(file);
    if (path.empty()) {
        MessageBeep(MB_OK);
        return false;
    }
    return WinHelpA(owner, path.c_str(), HELP_COMMAND, reinterpret_cast<ULONG_PTR>(macro.c_str())) != FALSE;
}

}  // namespace framework
