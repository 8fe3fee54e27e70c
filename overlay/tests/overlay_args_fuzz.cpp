// Fuzzes the formatter with arbitrary formats, values and buffer sizes: it
// must never write outside its buffer, and an accepted result must be a
// terminated text within it.
#include "overlay_args.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    size_t capacity = data[0] % 64 + 1;
    size_t argCount = data[1] % 6;
    data += 2;
    size -= 2;

    std::vector<std::string> texts;
    std::vector<overlay::OverlayArg> args;
    for (size_t i = 0; i < argCount && size >= 5; ++i) {
        uint32_t value;
        std::memcpy(&value, data + 1, 4);
        switch (data[0] % 5) {
        case 0: args.emplace_back(static_cast<int>(value)); break;
        case 1: args.emplace_back(static_cast<unsigned long>(value)); break;
        case 2: args.emplace_back(reinterpret_cast<const void*>(uintptr_t{value} << (data[0] & 8 ? 8 : 0))); break;
        case 3: args.emplace_back(static_cast<unsigned long long>(value) << 16); break;
        default:
            texts.emplace_back(reinterpret_cast<const char*>(data + 1), value % 5);  // up to the 4 bytes read
            break;
        }
        data += 5;
        size -= 5;
    }
    for (const std::string& text : texts)
        args.emplace_back(text.c_str());

    std::string format(reinterpret_cast<const char*>(data), size);
    std::vector<char> out(capacity + 16, '\x7f');
    overlay::FormatResult result =
        overlay::FormatOverlayArgs(format.c_str(), args.data(), args.size(), out.data(), capacity);
    for (size_t i = capacity; i < out.size(); ++i)
        if (out[i] != '\x7f')
            __builtin_trap();
    if (!std::memchr(out.data(), '\0', capacity))
        __builtin_trap();
    if (result != overlay::FormatResult::Ok && out[0] != '\0')
        __builtin_trap();
    return 0;
}
