#include "services.h"

#include <cstdio>
#include <cstdlib>

namespace htfx {

namespace {

// Rows kept in a file of the C library's temporary files.
class StdioSpillFile : public SpillFile {
public:
    explicit StdioSpillFile(std::FILE* file) : file_(file) {}
    ~StdioSpillFile() override { std::fclose(file_); }
    bool Append(const uint8_t* data, uint32_t bytes, uint32_t* offset) override
    {
        if (std::fseek(file_, 0, SEEK_END) != 0)
            return false;
        const long at = std::ftell(file_);
        if (at < 0)
            return false;
        *offset = uint32_t(at);
        return std::fwrite(data, 1, bytes, file_) == bytes;
    }
    bool ReadAt(uint32_t offset, uint8_t* data, uint32_t bytes) override
    {
        return std::fseek(file_, long(offset), SEEK_SET) == 0 && std::fread(data, 1, bytes, file_) == bytes;
    }

private:
    std::FILE* file_;
};

Services g_defaults;
Services* g_current = &g_defaults;

}  // namespace

void Services::Trace(const char*) {}

void* Services::Allocate(size_t bytes)
{
    return std::calloc(bytes ? bytes : 1, 1);
}

void Services::Release(void* block)
{
    std::free(block);
}

int Services::CaptureWindow(void*, std::unique_ptr<WindowCapture>*)
{
    return 4;
}

int Services::DisplayBitsPerPixel()
{
    return 24;
}

long Services::DisplayColours()
{
    return 1L << 24;
}

std::unique_ptr<SpillFile> Services::CreateSpillFile()
{
    std::FILE* file = std::tmpfile();
    if (!file)
        return nullptr;
    return std::make_unique<StdioSpillFile>(file);
}

int Services::RunPreview(PreviewJob&)
{
    return 5;
}

Services& TheServices()
{
    return *g_current;
}

void InstallServices(Services* services)
{
    g_current = services ? services : &g_defaults;
}

}  // namespace htfx
