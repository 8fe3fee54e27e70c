#include "scan_rules.h"
#include <cctype>

namespace diag {
namespace {

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string TerminatedText(const std::vector<std::uint8_t>& data)
{
    std::string text(data.begin(), data.end());
    size_t end = text.find('\0');
    if (end != std::string::npos)
        text.erase(end);
    return text;
}

bool InstanceIsCard(const std::vector<RegValue>& values)
{
    bool description = false;
    bool maker = false;
    for (const RegValue& v : values) {
        if (v.type != kRegString)
            continue;
        std::string text = TerminatedText(v.data);
        if (v.name == "DeviceDesc" && text.find("Vistacard KX310") != std::string::npos)
            description = true;
        else if (v.name == "Class" && text != "MEDIA")
            break;
        else if (v.name == "Mfg" && text.find("Halvorn") != std::string::npos)
            maker = true;
    }
    return description && maker;
}

std::string DeviceKey(const std::string& enumerator, const std::string& instance)
{
    return "ROOT\\" + enumerator + "\\" + instance;
}

bool CardEntries::Add(const std::string& key)
{
    if (keys_.size() >= kMaxEntries)
        return false;
    keys_.push_back(key);
    return true;
}

void ReadConfigNode(const std::vector<RegValue>& values, const std::string& key, int& problem)
{
    bool marked = false;
    for (const RegValue& v : values) {
        if (v.type == kRegString && v.name == "HardWareKey" && EqualNoCase(TerminatedText(v.data), key)) {
            marked = true;
        } else if (marked && v.type == kRegBinary && v.name == "Problem" && !v.data.empty()) {
            problem = v.data[0];
            return;
        }
    }
}

}  // namespace diag
