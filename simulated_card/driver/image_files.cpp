#include "image_files.h"

#include <mmsystem.h>

#include <cstring>
#include <vector>

#ifdef KX_HAVE_CODECS
#include "picture_codecs.h"
#endif

namespace kxmci {

// Without the codecs library the driver keeps every other function and
// reports the file verbs as unsupported.
#ifndef KX_HAVE_CODECS
DWORD IdentifyImageFile(const std::wstring&, FileInfo&) { return MCIERR_UNSUPPORTED_FUNCTION; }
DWORD ReadImageFile(const std::wstring&, kxcard::Picture&) { return MCIERR_UNSUPPORTED_FUNCTION; }
DWORD WriteImageFile(const std::wstring&, const std::string&, const kxcard::Picture&)
{
    return MCIERR_UNSUPPORTED_FUNCTION;
}
#else

namespace {

namespace codecs = kx::codecs;

bool Exists(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD ReadBytes(const std::wstring& path, std::vector<std::uint8_t>& bytes)
{
    if (!Exists(path))
        return MCIERR_FILE_NOT_FOUND;
    return codecs::readFileBytes(path.c_str(), bytes) ? 0 : MCIERR_FILE_READ;
}

} // namespace

DWORD IdentifyImageFile(const std::wstring& path, FileInfo& info)
{
    std::vector<std::uint8_t> bytes;
    if (DWORD rc = ReadBytes(path, bytes))
        return rc;
    codecs::PictureInfo found;
    if (!codecs::identifyPicture(bytes.data(), bytes.size(), found))
        return MCIERR_INVALID_FILE;
    info = FileInfo{found.formatNumber, found.width, found.height};
    return 0;
}

DWORD ReadImageFile(const std::wstring& path, kxcard::Picture& pic)
{
    std::vector<std::uint8_t> bytes;
    if (DWORD rc = ReadBytes(path, bytes))
        return rc;
    codecs::Picture decoded;
    if (!codecs::decodePicture(bytes.data(), bytes.size(), decoded))
        return MCIERR_INVALID_FILE;
    pic = kxcard::Picture(decoded.width, decoded.height);
    for (int y = 0; y < decoded.height; ++y)
        std::memcpy(pic.Row(y), decoded.row(y), static_cast<std::size_t>(decoded.width) * 3);
    return 0;
}

DWORD WriteImageFile(const std::wstring& path, const std::string& typeWords, const kxcard::Picture& pic)
{
    codecs::SaveOptions options;
    if (!codecs::parseTypeWords(typeWords, options) || options.deviceDependent)
        return MCIERR_BAD_CONSTANT;
    if (!codecs::canEncode(options.format))
        return MCIERR_UNSUPPORTED_FUNCTION;
    codecs::Picture source(pic.Width(), pic.Height());
    for (int y = 0; y < pic.Height(); ++y)
        std::memcpy(source.row(y), pic.Row(y), static_cast<std::size_t>(pic.Width()) * 3);
    std::vector<std::uint8_t> bytes;
    if (!codecs::encodePicture(source, options, bytes))
        return MCIERR_BAD_CONSTANT;
    return codecs::writeFileAtomically(path.c_str(), bytes.data(), bytes.size()) ? 0 : MCIERR_FILE_NOT_SAVED;
}

#endif

} // namespace kxmci
