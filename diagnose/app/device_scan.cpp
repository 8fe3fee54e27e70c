#include "device_scan.h"
#include "handles.h"

namespace {

framework::RegKey OpenKey(HKEY root, const char* path, LONG& error)
{
    HKEY key = nullptr;
    error = RegOpenKeyExA(root, path, 0, KEY_READ, &key);
    return framework::RegKey(error == ERROR_SUCCESS ? key : nullptr);
}

// The name of subkey `index`, false when the enumeration ends.
bool SubkeyName(HKEY key, DWORD index, std::string& name)
{
    char buffer[256];
    DWORD length = sizeof buffer;
    if (RegEnumKeyExA(key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    name.assign(buffer, length);
    return true;
}

constexpr DWORD kNameCharacters = 128;
constexpr DWORD kNodeDataMinimum = 1024;

}  // namespace

std::vector<diag::RegValue> ReadValues(HKEY key, DWORD minimumData, DWORD limit)
{
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest,
                         nullptr, nullptr) != ERROR_SUCCESS)
        longest = 0;
    std::vector<BYTE> data(std::max(longest, minimumData) + 1);
    std::vector<diag::RegValue> values;
    for (DWORD index = 0; index < limit; ++index) {
        char name[kNameCharacters];
        DWORD nameLength = kNameCharacters;
        DWORD type = 0;
        // One byte is kept back, so that string data can always be terminated.
        DWORD size = static_cast<DWORD>(data.size() - 1);
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            break;
        diag::RegValue value;
        value.name.assign(name, nameLength);
        value.type = type;
        value.data.assign(data.begin(), data.begin() + size);
        values.push_back(std::move(value));
    }
    return values;
}

LONG CDeviceScan::Scan()
{
    entries_ = diag::CardEntries{};
    LONG error = ERROR_SUCCESS;
    if (!OpenKey(HKEY_LOCAL_MACHINE, "Enum", error))
        return error;
    framework::RegKey root = OpenKey(HKEY_LOCAL_MACHINE, "Enum\\Root", error);
    if (!root)
        return error;
    std::string enumerator;
    for (DWORD e = 0; SubkeyName(root.get(), e, enumerator); ++e) {
        LONG ignored;
        framework::RegKey enumKey = OpenKey(root.get(), enumerator.c_str(), ignored);
        if (!enumKey)
            break;
        std::string instance;
        for (DWORD i = 0; SubkeyName(enumKey.get(), i, instance); ++i) {
            framework::RegKey instanceKey = OpenKey(enumKey.get(), instance.c_str(), ignored);
            if (!instanceKey)
                break;
            if (diag::InstanceIsCard(ReadValues(instanceKey.get(), 0, MAXDWORD)))
                entries_.Add(diag::DeviceKey(enumerator, instance));
        }
    }
    root.reset();
    if (!OpenKey(HKEY_DYN_DATA, "Config Manager\\Enum", error))
        return error;
    return ERROR_SUCCESS;
}

int CDeviceScan::LookUpProblem(std::size_t i)
{
    problem_ = -1;
    LONG error;
    framework::RegKey nodes = OpenKey(HKEY_DYN_DATA, "Config Manager\\Enum", error);
    if (!nodes || i >= entries_.Count())
        return problem_;
    std::string name;
    for (DWORD s = 0; SubkeyName(nodes.get(), s, name); ++s) {
        framework::RegKey node = OpenKey(nodes.get(), name.c_str(), error);
        if (!node)
            break;
        DWORD count = 0;
        if (RegQueryInfoKeyA(node.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                             nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            count = 0;
        diag::ReadConfigNode(ReadValues(node.get(), kNodeDataMinimum, count), entries_.Key(i), problem_);
    }
    return problem_;
}
