#include "about_box.h"
#include "handles.h"
#include "strings.h"
#include "win_app.h"
#include "resource.h"

bool ShowLibraryAboutBox(HWND owner, HINSTANCE instance, UINT resourceId, UINT creditString)
{
    using AboutEntry = int(WINAPI*)(AboutBoxRequest*);
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
    framework::Library library(LoadLibraryA("htres32.dll"));
    if (reinterpret_cast<UINT_PTR>(library.get()) < 32)
        return false;
    auto entry = reinterpret_cast<AboutEntry>(GetProcAddress(library.get(), "htCreateAboutBoxEx"));
    if (!entry)
        return false;
    AboutBoxRequest request{};
    request.size = sizeof request;
    request.instance = instance;
    request.owner = owner;
    request.resourceId = resourceId;
    request.creditString = creditString;
    request.style = 32;
    entry(&request);
    return true;
}

void ShowPlainAboutBox(HWND owner, HINSTANCE instance, UINT resourceId, UINT creditString)
{
    std::string title = framework::LoadText(IDS_APP_TITLE, instance);
    std::string text = title + "\n\n" + framework::LoadText(creditString, instance);
    std::string caption = framework::LoadText(IDS_ABOUT_CAPTION, instance);
    MSGBOXPARAMSA box{};
    box.cbSize = sizeof box;
    box.hwndOwner = owner;
    box.hInstance = instance;
    box.lpszText = text.c_str();
    box.lpszCaption = caption.empty() ? title.c_str() : caption.c_str();
    box.dwStyle = MB_OK | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEA(resourceId);
    MessageBoxIndirectA(&box);
}
