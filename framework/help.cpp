#include "help.h"

namespace framework {

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
