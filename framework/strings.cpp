#include "strings.h"

namespace framework {

bool TryLoadText(UINT id, std::string& text, HINSTANCE module)
{
    if (!module)
        module = GetModuleHandleA(nullptr);
    // The table holds UTF-16; a pointer to the entry gives its exact length.
    const wchar_t* raw = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<wchar_t*>(&raw), 0);
    if (length <= 0 || !raw) {
        text.clear();
        return false;
    }
    int bytes = WideCharToMultiByte(CP_ACP, 0, raw, length, nullptr, 0, nullptr, nullptr);
    text.assign(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, raw, length, text.data(), bytes, nullptr, nullptr);
    return true;
}

std::string LoadText(UINT id, HINSTANCE module)
{
    std::string text;
    TryLoadText(id, text, module);
    return text;
}

std::string PromptPart(const std::string& prompt, int part)
{
    size_t brk = prompt.find('\n');
    if (part == 0)
        return prompt.substr(0, brk);
    return brk == std::string::npos ? std::string() : prompt.substr(brk + 1);
}

int MessageBoxFromTable(HWND owner, UINT textId, UINT captionId, UINT type)
{
    return MessageBoxA(owner, LoadText(textId).c_str(), LoadText(captionId).c_str(), type);
}

}  // namespace framework
