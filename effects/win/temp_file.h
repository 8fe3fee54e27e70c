// A temporary file for rows that do not fit into memory, named with the
// prefix "cli" in the system's temporary folder and removed when closed.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "services.h"

namespace htfx {

class TempFile : public SpillFile {
public:
    static std::unique_ptr<SpillFile> Create();
    ~TempFile() override;
    bool Append(const uint8_t* data, uint32_t bytes, uint32_t* offset) override;
    bool ReadAt(uint32_t offset, uint8_t* data, uint32_t bytes) override;

private:
    TempFile(HFILE file, std::string path) : file_(file), path_(std::move(path)) {}
    HFILE file_;
    std::string path_;
};

}  // namespace htfx
