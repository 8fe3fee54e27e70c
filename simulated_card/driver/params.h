// Parameter blocks as winmm's string parser fills them from the command
// table: fields follow in table order in 4-byte steps without alignment
// (an integer 4 bytes, a rectangle 16, a string pointer the size of a
// pointer), after the callback field and, for commands with a text reply,
// the reply buffer and its length.  Sizes are checked for both builds.
#pragma once

#include <windows.h>

#include <cstddef>

namespace kxmci {

#pragma pack(push, 4)

struct Rect4 {
    DWORD x, y, w, h;   // as parsed: unsigned 32-bit
};

struct GenericParams {
    DWORD_PTR callback;
};

struct ReplyParams {
    DWORD_PTR callback;
    LPWSTR reply;
    DWORD replySize;   // in characters
};

struct SetParams {
    DWORD_PTR callback;
    Rect4 chromaKey;
    Rect4 alloc;
    LPWSTR value;
};

struct GetParams {
    DWORD_PTR callback;
    LPWSTR reply;
    DWORD replySize;
    Rect4 pixelAt;
    Rect4 yuvFrom;
    LPWSTR fileInfo;
};

struct SaveParams {
    DWORD_PTR callback;
    LPWSTR type;
    Rect4 at;
    DWORD address;
    DWORD tiffOption;
    Rect4 jpegOption;
    LPWSTR file;
};

struct LoadParams {
    DWORD_PTR callback;
    Rect4 at;
    DWORD address;
    LPWSTR file;
};

struct CopyParams {
    DWORD_PTR callback;
    LPWSTR type;
    Rect4 at;
};

struct RegionParams {
    DWORD_PTR callback;
    Rect4 at;
};

struct PutParams {
    DWORD_PTR callback;
    Rect4 frame;
    Rect4 source;
    Rect4 destination;
};

struct WindowParams {
    DWORD_PTR callback;
    DWORD handle;
};

#pragma pack(pop)

// winmm's parser has room for 64 bytes of parameters per command.
constexpr std::size_t kParserBlockLimit = 64;

#ifdef _WIN64
static_assert(sizeof(ReplyParams) == 20, "64-bit reply block");
static_assert(offsetof(SetParams, value) == 40 && sizeof(SetParams) == 48, "64-bit set block");
static_assert(offsetof(GetParams, pixelAt) == 20 && sizeof(GetParams) == 60, "64-bit get block");
static_assert(offsetof(SaveParams, address) == 32 && offsetof(SaveParams, file) == 56 && sizeof(SaveParams) == 64,
              "64-bit save block");
static_assert(offsetof(LoadParams, file) == 28 && sizeof(LoadParams) == 36, "64-bit load block");
static_assert(sizeof(CopyParams) == 32, "64-bit copy block");
static_assert(sizeof(RegionParams) == 24, "64-bit region block");
static_assert(sizeof(PutParams) == 56, "64-bit put block");
static_assert(sizeof(WindowParams) == 12, "64-bit window block");
#else
static_assert(sizeof(ReplyParams) == 12, "32-bit reply block");
static_assert(offsetof(SetParams, value) == 36 && sizeof(SetParams) == 40, "32-bit set block");
static_assert(offsetof(GetParams, pixelAt) == 12 && sizeof(GetParams) == 48, "32-bit get block");
static_assert(offsetof(SaveParams, address) == 24 && offsetof(SaveParams, file) == 48 && sizeof(SaveParams) == 52,
              "32-bit save block");
static_assert(offsetof(LoadParams, file) == 24 && sizeof(LoadParams) == 28, "32-bit load block");
static_assert(sizeof(CopyParams) == 24, "32-bit copy block");
static_assert(sizeof(RegionParams) == 20, "32-bit region block");
static_assert(sizeof(PutParams) == 52, "32-bit put block");
static_assert(sizeof(WindowParams) == 8, "32-bit window block");
#endif
static_assert(sizeof(SaveParams) <= kParserBlockLimit && sizeof(GetParams) <= kParserBlockLimit &&
                  sizeof(PutParams) <= kParserBlockLimit,
              "every block fits the parser's room");

} // namespace kxmci
