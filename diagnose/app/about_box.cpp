#include "about_box.h"
#include "handles.h"

bool ShowAboutBox(HWND owner, HINSTANCE instance, UINT iconId, UINT creditString)
{
    using AboutEntry = int(WINAPI*)(AboutBoxRequest*);
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
    framework::Library library(LoadLibraryA("htres32.dll"));
    if (!library)
        return false;
    auto entry = reinterpret_cast<AboutEntry>(GetProcAddress(library.get(), "htCreateAboutBoxEx"));
    if (!entry)
        return false;
    AboutBoxRequest request{};
    request.size = 60;
    request.instance = instance;
    request.owner = owner;
    request.iconId = iconId;
    request.creditString = creditString;
    request.style = 32;
    entry(&request);
    return true;
}
