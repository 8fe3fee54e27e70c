#include "number_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

size_t ScanNumbers(const std::string& text, int* numbers, size_t capacity)
{
    size_t count = 0;
    const char* p = text.c_str();
    while (count < capacity) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (!*p)
            break;
        char* end = nullptr;
        errno = 0;
        long value = std::strtol(p, &end, 10);
        bool wholeWord = end != p && (*end == '\0' || *end == ' ' || *end == '\t');
        if (!wholeWord || errno == ERANGE || value < INT_MIN || value > INT_MAX)
            break;
        numbers[count++] = static_cast<int>(value);
        p = end;
    }
    return count;
}

std::string JoinNumbers(const int* numbers, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        if (i)
            text += ' ';
        text += std::to_string(numbers[i]);
    }
    return text;
}
