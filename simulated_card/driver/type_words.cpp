#include "type_words.h"

#include "command_table.h"

namespace kxmci {

std::string Narrow(const wchar_t* text)
{
    if (!text || !*text)
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

std::string TypeWords(const wchar_t* type, DWORD flags, DWORD tiffOption, const Rect4* jpegOption)
{
    std::string words = Narrow(type);
    for (char& c : words)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    static const struct {
        DWORD flag;
        const char* word;
    } kOptions[] = {{KXF_MMOTION, "mmotion"}, {KXF_32BIT, "32-bit"}, {KXF_24BIT, "24-bit"}, {KXF_16BIT, "16-bit"},
                    {KXF_8BIT, "8-bit"},      {KXF_4BIT, "4-bit"},   {KXF_GRAY, "gray"},     {KXF_RLE, "rle"},
                    {KXF_LZW, "lzw"}};
    for (const auto& o : kOptions)
        if (flags & o.flag)
            words += std::string(words.empty() ? "" : " ") + o.word;
    if (flags & KXF_TIFFOPT)
        words += " tiffopt " + std::to_string(tiffOption);
    if ((flags & KXF_JPEGOPT) && jpegOption)
        words += " jpegopt " + std::to_string(jpegOption->x) + " " + std::to_string(jpegOption->y) + " " +
                 std::to_string(jpegOption->w) + " " + std::to_string(jpegOption->h);
    return words;
}

} // namespace kxmci
