#include "overlay_args.h"

#include <cstdio>
#include <cstring>

namespace overlay {
namespace {

class BoundedWriter {
public:
    BoundedWriter(char* out, size_t capacity) : out_(out), capacity_(capacity) {}

    bool Put(const char* text, size_t length)
    {
        if (length >= capacity_ - used_)  // keep room for the terminator
            return false;
        std::memcpy(out_ + used_, text, length);
        used_ += length;
        return true;
    }
    bool Put(const char* text) { return Put(text, std::strlen(text)); }
    void Finish() { out_[used_] = '\0'; }

private:
    char* out_;
    size_t capacity_;
    size_t used_ = 0;
};

enum class Conversion { Signed, Unsigned, Text, Percent, Invalid };

// Reads one conversion after a '%'; advances `p` past it.
Conversion ReadConversion(const char*& p)
{
    if (*p == '%') { ++p; return Conversion::Percent; }
    if (*p == 'd') { ++p; return Conversion::Signed; }
    if (*p == 's') { ++p; return Conversion::Text; }
    if (p[0] == 'l' && p[1] == 'd') { p += 2; return Conversion::Signed; }
    if (p[0] == 'l' && p[1] == 'u') { p += 2; return Conversion::Unsigned; }
    return Conversion::Invalid;
}

// The value of a number or handle for %d / %ld.  Numbers of 32 bits are
// taken bit for bit, as printf would; a pointer must be a sign-extended
// 32-bit value, as window handles are.
bool SignedValue(const OverlayArg& arg, int32_t& value)
{
    switch (arg.kind()) {
    case OverlayArg::Kind::Text:
        return false;
    case OverlayArg::Kind::Pointer: {
        auto v = static_cast<intptr_t>(arg.pointer());
        if (v < INT32_MIN || v > INT32_MAX)
            return false;
        value = static_cast<int32_t>(v);
        return true;
    }
    default:
        value = static_cast<int32_t>(arg.number());
        return !arg.tooWide();
    }
}

// The value of a number or address for %lu.
bool UnsignedValue(const OverlayArg& arg, uint32_t& value)
{
    switch (arg.kind()) {
    case OverlayArg::Kind::Text:
        return false;
    case OverlayArg::Kind::Pointer:
        if (arg.pointer() > 0xFFFFFFFFu)
            return false;
        value = static_cast<uint32_t>(arg.pointer());
        return true;
    default:
        value = arg.number();
        return !arg.tooWide();
    }
}

FormatResult Fail(char* out, FormatResult why)
{
    out[0] = '\0';
    return why;
}

}  // namespace

FormatResult FormatOverlayArgs(const char* format, const OverlayArg* args, size_t count, char* out,
                               size_t capacity)
{
    if (capacity == 0)
        return FormatResult::TooLong;
    BoundedWriter writer(out, capacity);
    size_t next = 0;
    for (const char* p = format; *p;) {
        const char* percent = std::strchr(p, '%');
        size_t plain = percent ? static_cast<size_t>(percent - p) : std::strlen(p);
        if (!writer.Put(p, plain))
            return Fail(out, FormatResult::TooLong);
        if (!percent)
            break;
        p = percent + 1;
        Conversion conversion = ReadConversion(p);
        if (conversion == Conversion::Invalid)
            return Fail(out, FormatResult::BadFormat);
        if (conversion == Conversion::Percent) {
            if (!writer.Put("%", 1))
                return Fail(out, FormatResult::TooLong);
            continue;
        }
        if (next == count)
            return Fail(out, FormatResult::MissingValue);
        const OverlayArg& arg = args[next++];
        char number[16];
        switch (conversion) {
        case Conversion::Text:
            if (arg.kind() != OverlayArg::Kind::Text || !arg.text())
                return Fail(out, FormatResult::WrongKind);
            if (!writer.Put(arg.text()))
                return Fail(out, FormatResult::TooLong);
            continue;
        case Conversion::Signed: {
            int32_t value = 0;
            if (!SignedValue(arg, value))
                return Fail(out, arg.kind() == OverlayArg::Kind::Text ? FormatResult::WrongKind
                                                                      : FormatResult::OutOfRange);
            std::snprintf(number, sizeof number, "%ld", static_cast<long>(value));
            break;
        }
        default: {  // Unsigned
            uint32_t value = 0;
            if (!UnsignedValue(arg, value))
                return Fail(out, arg.kind() == OverlayArg::Kind::Text ? FormatResult::WrongKind
                                                                      : FormatResult::OutOfRange);
            std::snprintf(number, sizeof number, "%lu", static_cast<unsigned long>(value));
            break;
        }
        }
        if (!writer.Put(number))
            return Fail(out, FormatResult::TooLong);
    }
    if (next != count)
        return Fail(out, FormatResult::SurplusValue);
    writer.Finish();
    return FormatResult::Ok;
}

}  // namespace overlay
