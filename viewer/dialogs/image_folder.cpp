#include "image_folder.h"

std::string InitialFolderOf(const std::string& storedPath, size_t capacity)
{
    // Drive ("C:"), then the folder up to and including the last backslash.
    const size_t driveLength = storedPath.size() >= 2 && storedPath[1] == ':' ? 2 : 0;
    const size_t lastSlash = storedPath.find_last_of("\\/");
    if (lastSlash == std::string::npos || lastSlash < driveLength)
        return "";
    std::string folder = storedPath.substr(driveLength, lastSlash + 1 - driveLength);
    if (folder.size() >= 2)
        folder.pop_back();
    std::string result = storedPath.substr(0, driveLength) + folder;
    if (result.size() + 1 > capacity)
        return "";
    return result;
}
