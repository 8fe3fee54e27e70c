#include "file_info.h"
#include "number_text.h"
#include "overlay_viewer.h"
#include "overlay_vocabulary.h"
#include "resource.h"
#include "strings.h"

std::optional<PictureFileInfo> QueryPictureFileInfo(const std::string& path)
{
    if (SendOverlayCommand(overlay::kVerbGet, overlay::kFmtFileInfo, path.c_str()) != 0)
        return std::nullopt;
    int numbers[3] = {};
    if (ScanNumbers(OverlayReply(), numbers, 3) != 3)
        return std::nullopt;
    return PictureFileInfo{numbers[0], numbers[1], numbers[2]};
}

void ShowFormatNotSupported(HWND owner, const std::string& path)
{
    std::string text = framework::LoadText(IDS_FORMAT_NOT_SUPPORTED);
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, path);
    MessageBoxA(owner, text.c_str(), framework::LoadText(IDS_LOAD_IMAGE).c_str(), MB_OK | MB_ICONINFORMATION);
}
