// Typed values for the argument formats of the overlay vocabulary, and the
// formatter that fills a format entry with them.
//
// The formats are data (string-table entries), so the usual printf family
// would trust a run-time format with untyped arguments.  Here every value
// carries its kind, the formatter accepts only the conversions the
// vocabulary uses (%d, %ld, %lu, %s, %%), and a value of the wrong kind, a
// missing or surplus value, or a result that does not fit the buffer is an
// error, never undefined behaviour or a silently cut command.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace overlay {

class OverlayArg {
public:
    enum class Kind { Signed, Unsigned, Text, Pointer };

    OverlayArg(int v) : kind_(Kind::Signed), number_(static_cast<uint32_t>(v)) {}
    OverlayArg(long v) : kind_(Kind::Signed), number_(static_cast<uint32_t>(v)), wide_(v < INT32_MIN || v > INT32_MAX) {}
    OverlayArg(unsigned v) : kind_(Kind::Unsigned), number_(v) {}
    OverlayArg(unsigned long v) : kind_(Kind::Unsigned), number_(static_cast<uint32_t>(v)), wide_(v > 0xFFFFFFFFul) {}
    OverlayArg(long long v) : kind_(Kind::Signed), number_(static_cast<uint32_t>(v)), wide_(v < INT32_MIN || v > INT32_MAX) {}
    OverlayArg(unsigned long long v) : kind_(Kind::Unsigned), number_(static_cast<uint32_t>(v)), wide_(v > 0xFFFFFFFFull) {}
    OverlayArg(const char* text) : kind_(Kind::Text), text_(text) {}
    // A window handle ("handle %d") or a buffer the driver reads or fills
    // ("address %lu").  A handle goes out as its signed 32-bit value (a
    // handle's value fits 32 bits on every Windows, also in 64-bit
    // processes); an address as an unsigned 32-bit number, so an address
    // above 4 GiB (possible in a 64-bit build) is refused instead of being
    // cut to some other memory.
    template <class T, class = std::enable_if_t<!std::is_same_v<std::remove_cv_t<T>, char>>>
    OverlayArg(T* pointer) : kind_(Kind::Pointer), pointer_(reinterpret_cast<uintptr_t>(pointer))
    {
    }

    Kind kind() const { return kind_; }
    uint32_t number() const { return number_; }
    const char* text() const { return text_; }
    uintptr_t pointer() const { return pointer_; }
    bool tooWide() const { return wide_; }

private:
    Kind kind_;
    uint32_t number_ = 0;
    const char* text_ = nullptr;
    uintptr_t pointer_ = 0;
    bool wide_ = false;
};

enum class FormatResult {
    Ok,
    TooLong,        // the result (terminator included) does not fit
    BadFormat,      // a conversion the vocabulary does not use
    MissingValue,   // fewer values than conversions
    SurplusValue,   // more values than conversions
    WrongKind,      // e.g. a text for %d, a number for %s, a null text
    OutOfRange,     // a value that cannot be written as 32 bits
};

// Formats `format` with `args` into `out` (capacity `capacity`, terminator
// included).  On any result but Ok, `out` holds an empty string.
FormatResult FormatOverlayArgs(const char* format, const OverlayArg* args, size_t count, char* out,
                               size_t capacity);

}  // namespace overlay
