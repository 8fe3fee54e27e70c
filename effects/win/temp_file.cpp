#include "temp_file.h"

namespace htfx {

std::unique_ptr<SpillFile> TempFile::Create()
{
    char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    if (!GetTempFileNameA(folder, "cli", 0, path))
        return nullptr;
    const HFILE file = _lcreat(path, 0);
    if (file == HFILE_ERROR) {
        DeleteFileA(path);
        return nullptr;
    }
    return std::unique_ptr<SpillFile>(new TempFile(file, path));
}

TempFile::~TempFile()
{
    _lclose(file_);
    DeleteFileA(path_.c_str());
}

bool TempFile::Append(const uint8_t* data, uint32_t bytes, uint32_t* offset)
{
    const LONG at = _llseek(file_, 0, FILE_END);
    if (at == HFILE_ERROR)
        return false;
    *offset = uint32_t(at);
    return _lwrite(file_, reinterpret_cast<LPCCH>(data), bytes) == bytes;
}

bool TempFile::ReadAt(uint32_t offset, uint8_t* data, uint32_t bytes)
{
    if (_llseek(file_, LONG(offset), FILE_BEGIN) == HFILE_ERROR)
        return false;
    return _lread(file_, data, bytes) == bytes;
}

}  // namespace htfx
