// The assessment made when the diagnostic dialog opens: is the card
// installed, does the system run it without a problem, and which resources
// was it given.  It asks its questions of an AssessmentSource (the registry
// and the device query driver in the tool, fixtures in tests).
#pragma once
#include "config_record.h"
#include <cstdint>
#include <string>
#include <vector>

namespace diag {

struct RequestResult {
    bool ok = false;
    std::uint32_t error = 0;   // the last error when the request failed
};

class AssessmentSource {
public:
    virtual ~AssessmentSource() = default;
    // Opens the device query driver; false when it cannot be opened.
    virtual bool OpenDevice() = 0;
    // Scans the installed devices into `keys` (device keys of the card's
    // entries, at most 10); returns 0 or the error of a registry key that
    // could not be opened.
    virtual long ScanDevices(std::vector<std::string>& keys) = 0;
    // The problem code 0 to 255 of the entry, -1 without a running-configuration node.
    virtual int ProblemOf(const std::string& key) = 0;
    // A request of the device query driver; `record` receives the
    // configuration for request 0x8006 and is ignored by the others.
    virtual RequestResult Request(std::uint32_t code, ConfigRecord& record) = 0;
};

// How one resource text is shown.
struct ResourceShown {
    enum Kind { Blank, Unknown, Range, Number };
    Kind kind = Blank;
    bool starred = false;    // a leading "*": the resource failed its check
    std::uint32_t first = 0; // the number, or the range's first value
    std::uint32_t last = 0;  // the range's last value
};

struct Assessment {
    bool installed = true;      // false: the install prompt, then the program ends
    bool testEnabled = true;
    std::vector<unsigned> status{102};   // string entries shown one after the other
    ResourceShown io, irq, memory;
    ConfigRecord record;        // what the test run takes its arguments from
};

Assessment AssessCard(AssessmentSource& source);

// A resource's text: a range as upper-case hexadecimal first and last
// values ("300-31F"), a number in decimal, either after `star` when the
// resource failed its check, or `unknown` for a resource not known.
std::string ResourceText(const ResourceShown& shown, const std::string& star, const std::string& unknown);

// Status strings of the assessment.
constexpr unsigned kStatusReady = 102;
constexpr unsigned kStatusUnusable = 112;
constexpr unsigned kStatusAllFailing = 113;
constexpr unsigned kStatusAnotherDevice = 114;
constexpr unsigned kStatusIrqFailure = 115;
constexpr unsigned kStatusMemFailure = 116;
constexpr unsigned kStatusIoFailure = 117;
constexpr unsigned kStatusMemInUse = 118;

}  // namespace diag
