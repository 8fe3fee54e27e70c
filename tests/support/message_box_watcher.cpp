#include "message_box_watcher.h"

namespace kxtest {
namespace {

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// A message box holds only buttons, texts and its icon; a dialog with an
// edit, list or combo box (a file dialog, a settings dialog) is not one.
BOOL CALLBACK FindNonBoxChild(HWND child, LPARAM param)
{
    const std::string cls = ClassOf(child);
    if (cls == "Button" || cls == "Static")
        return TRUE;
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
}

bool IsMessageBox(HWND dialog)
{
    bool other = false;
    EnumChildWindows(dialog, FindNonBoxChild, reinterpret_cast<LPARAM>(&other));
    return !other;
}

struct BoxSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialogOfProcess(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && ClassOf(window) == "#32770" &&
        IsMessageBox(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param)
{
    auto* box = reinterpret_cast<SeenMessageBox*>(param);
    if (!IsWindowVisible(child))
        return TRUE;
    std::string cls = ClassOf(child);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (cls == "Button") {
        box->buttons.push_back(TextOf(child));
    } else if (cls == "Static") {
        if ((style & SS_TYPEMASK) == SS_ICON)
            box->hasIcon = box->hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
        else if (!TextOf(child).empty())
            box->text = TextOf(child);
    }
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int answer)
    : answer_(answer), process_(GetCurrentProcessId()), thread_([this] { Watch(); })
{
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    stop_ = true;
    thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void MessageBoxWatcher::Clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    seen_.clear();
}

void MessageBoxWatcher::Watch()
{
    HWND last = nullptr;
    while (!stop_) {
        BoxSearch search{process_, nullptr};
        EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found && search.found != last && Answer(search.found))
            last = search.found;
        Sleep(20);
    }
}

bool MessageBoxWatcher::Answer(HWND box)
{
    SeenMessageBox seen;
    seen.caption = TextOf(box);
    seen.owner = GetWindow(box, GW_OWNER);
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&seen));
    if (seen.buttons.empty())
        return false;  // not laid out yet: look again
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(seen);
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer_, BN_CLICKED), 0);
    return true;
}

}  // namespace kxtest
