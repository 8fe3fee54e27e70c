// What the scan of the registry's device tree looks for, on values already
// read from the registry: the card's instance keys under Enum\Root and their
// nodes in the running configuration.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace diag {

// A registry value as enumerated: name, type and data bytes as returned
// (string data is not necessarily terminated).
struct RegValue {
    std::string name;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

constexpr std::uint32_t kRegString = 1;   // REG_SZ
constexpr std::uint32_t kRegBinary = 3;   // REG_BINARY

// String data up to its first terminator (or all of it when it has none).
std::string TerminatedText(const std::vector<std::uint8_t>& data);

// True when the values of an instance key, in enumeration order, name the
// card: a "DeviceDesc" holding "Vistacard KX310" and a "Mfg" holding
// "Halvorn", with no "Class" other than "MEDIA" before either is complete.
bool InstanceIsCard(const std::vector<RegValue>& values);

// The device key of an instance: "ROOT\" + enumerator + "\" + instance.
std::string DeviceKey(const std::string& enumerator, const std::string& instance);

// The card entries found, at most kMaxEntries; further matches are dropped.
class CardEntries {
public:
    static constexpr std::size_t kMaxEntries = 10;
    // False (and nothing kept) when the list is full.
    bool Add(const std::string& key);
    std::size_t Count() const { return keys_.size(); }
    const std::string& Key(std::size_t i) const { return keys_[i]; }

private:
    std::vector<std::string> keys_;
};

// Reads one node of the running configuration for the entry `key`: a
// "HardWareKey" equal to the key (any case) marks the node, and a "Problem"
// after it gives the problem code (its first byte).  `problem` keeps its
// value when the node is not the entry's or holds no problem code.
void ReadConfigNode(const std::vector<RegValue>& values, const std::string& key, int& problem);

}  // namespace diag
