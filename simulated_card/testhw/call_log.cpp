#include "call_log.h"
#include <windows.h>
#include <cstdarg>
#include <cstdio>

namespace testhw {

void LogCall(const char* format, ...)
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("KX310DIAG_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    char line[256];
    va_list args;
    va_start(args, format);
    int written = vsnprintf(line, sizeof line - 2, format, args);
    va_end(args);
    if (written < 0)
        return;
    size_t used = static_cast<size_t>(written) < sizeof line - 2 ? static_cast<size_t>(written) : sizeof line - 3;
    line[used++] = '\r';
    line[used++] = '\n';
    // Appended in one write, so lines of two processes never mix.
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD done = 0;
    WriteFile(file, line, static_cast<DWORD>(used), &done, nullptr);
    CloseHandle(file);
}

}  // namespace testhw
