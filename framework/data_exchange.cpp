#include "data_exchange.h"
#include "framework_ids.h"
#include "strings.h"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace framework {

void CDataExchange::Fail(int id, const std::string& message)
{
    if (failed_)
        return;
    failed_ = true;
    MessageBoxA(dialog_, message.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
    if (HWND control = GetDlgItem(dialog_, id)) {
        SetFocus(control);
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

void CDataExchange::Text(int id, std::string& value, size_t maxLength)
{
    if (failed_)
        return;
    HWND control = GetDlgItem(dialog_, id);
    if (!saving_) {
        SetWindowTextA(control, value.c_str());
        if (maxLength)
            SendMessageA(control, EM_LIMITTEXT, maxLength, 0);
        return;
    }
    std::vector<char> buffer(maxLength + 1, '\0');
    GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
    value = buffer.data();
}

void CDataExchange::Integer(int id, int& value, int low, int high)
{
    if (failed_)
        return;
    if (!saving_) {
        SetDlgItemInt(dialog_, id, static_cast<UINT>(value), TRUE);
        return;
    }
    char text[32] = {};
    GetDlgItemTextA(dialog_, id, text, sizeof text);
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(text, &end, 10);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == text || (end && *end) || errno == ERANGE || parsed < low || parsed > high) {
        char message[256];
        std::snprintf(message, sizeof message, LoadText(IDS_INTEGER_RANGE).c_str(), low, high);
        Fail(id, message);
        return;
    }
    value = static_cast<int>(parsed);
}

void CDataExchange::Check(int id, int& value)
{
    if (failed_)
        return;
    if (saving_)
        value = static_cast<int>(IsDlgButtonChecked(dialog_, id));
    else
        CheckDlgButton(dialog_, id, static_cast<UINT>(value));
}

void CDataExchange::Radio(int firstId, int count, int& value)
{
    if (failed_)
        return;
    if (saving_) {
        value = -1;
        for (int i = 0; i < count; ++i)
            if (IsDlgButtonChecked(dialog_, firstId + i) == BST_CHECKED)
                value = i;
        return;
    }
    for (int i = 0; i < count; ++i)
        CheckDlgButton(dialog_, firstId + i, i == value ? BST_CHECKED : BST_UNCHECKED);
}

void CDataExchange::ScrollPosition(int id, int& value)
{
    if (failed_)
        return;
    HWND bar = GetDlgItem(dialog_, id);
    if (saving_)
        value = GetScrollPos(bar, SB_CTL);
    else
        SetScrollPos(bar, SB_CTL, value, TRUE);
}

}  // namespace framework
