#include "command_line.h"
#include <cctype>

namespace diag {

bool FindHelpRequest(const std::string& commandLine, unsigned long& context)
{
    std::string lower(commandLine);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t key = lower.find("h=");
    if (key == std::string::npos)
        return false;
    unsigned long long value = 0;
    for (size_t i = key + 2; i < lower.size() && std::isdigit(static_cast<unsigned char>(lower[i])); ++i) {
        value = value * 10 + static_cast<unsigned>(lower[i] - '0');
        if (value > 0xFFFFFFFFull)
            value = 0xFFFFFFFFull;
    }
    context = static_cast<unsigned long>(value);
    return true;
}

std::string ArgumentsOf(const std::string& processCommandLine)
{
    size_t i = 0;
    const std::string& s = processCommandLine;
    if (i < s.size() && s[i] == '"') {
        size_t close = s.find('"', 1);
        i = close == std::string::npos ? s.size() : close + 1;
    } else {
        while (i < s.size() && s[i] != ' ' && s[i] != '\t')
            ++i;
    }
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    return s.substr(i);
}

}  // namespace diag
