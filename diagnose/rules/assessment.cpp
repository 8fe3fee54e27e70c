#include "assessment.h"
#include "device_requests.h"
#include <cstdio>

namespace diag {
namespace {

ResourceShown RangeOf(std::uint32_t base, std::uint32_t length)
{
    ResourceShown shown;
    shown.kind = ResourceShown::Range;
    shown.first = base;
    shown.last = base + length - 1;
    return shown;
}

ResourceShown NumberOf(std::uint32_t value)
{
    ResourceShown shown;
    shown.kind = ResourceShown::Number;
    shown.first = value;
    return shown;
}

void ShowUnknown(Assessment& a)
{
    a.io.kind = a.irq.kind = a.memory.kind = ResourceShown::Unknown;
    a.io.starred = a.irq.starred = a.memory.starred = false;
    a.testEnabled = false;
}

void ShowResources(AssessmentSource& source, Assessment& a)
{
    a.record = ConfigRecord{};
    if (!source.Request(kRequestConfig, a.record).ok) {
        ShowUnknown(a);
        return;
    }
    a.io = RangeOf(a.record.IoBase(), a.record.IoLength());
    a.irq = NumberOf(a.record.Irq());
    a.memory = RangeOf(a.record.MemBase(), a.record.MemLength());
}

// The check of a single entry that has a problem; false when the card is unusable.
bool CheckResources(AssessmentSource& source, Assessment& a)
{
    a.status.clear();
    a.record = ConfigRecord{};
    RequestResult config = source.Request(kRequestConfig, a.record);
    if (!config.ok && config.error == kErrorNoConfig)
        return false;

    ConfigRecord scratch;
    bool ioAnswered = false;
    RequestResult io = source.Request(kRequestIoCheck, scratch);
    a.io = RangeOf(a.record.IoBase(), a.record.IoLength());
    if (!io.ok) {
        if (io.error == kErrorIoAnswered) {
            ioAnswered = true;
        } else {
            a.io.starred = true;
            a.status = {kStatusIoFailure};
        }
    }

    RequestResult irq = source.Request(kRequestIrqCheck, scratch);
    a.irq = NumberOf(a.record.Irq());
    if (!irq.ok && ioAnswered && irq.error == kErrorFailure) {
        a.irq.starred = true;
        a.status.push_back(kStatusIrqFailure);
    }

    RequestResult memory = source.Request(kRequestMemCheck, scratch);
    a.memory = RangeOf(a.record.MemBase(), a.record.MemLength());
    if (!memory.ok && ioAnswered) {
        if (memory.error == kErrorFailure) {
            a.memory.starred = true;
            a.status.push_back(kStatusMemFailure);
        } else if (memory.error == kErrorMemInUse) {
            a.memory.starred = true;
            a.status.push_back(kStatusMemInUse);
        }
    }
    a.testEnabled = false;
    return true;
}

}  // namespace

Assessment AssessCard(AssessmentSource& source)
{
    Assessment a;
    std::vector<std::string> keys;
    if (!source.OpenDevice() || source.ScanDevices(keys) != 0 || keys.empty()) {
        a.installed = false;
        return a;
    }
    for (const std::string& key : keys) {
        if (source.ProblemOf(key) == 0) {
            if (keys.size() > 1)
                a.status = {kStatusAnotherDevice};
            ShowResources(source, a);
            return a;
        }
    }
    if (keys.size() == 1) {
        if (!CheckResources(source, a)) {
            a.status = {kStatusUnusable};
            ShowUnknown(a);
        }
    } else {
        a.status = {kStatusAllFailing};
        ShowUnknown(a);
    }
    return a;
}

std::string ResourceText(const ResourceShown& shown, const std::string& star, const std::string& unknown)
{
    char text[64] = {};
    switch (shown.kind) {
    case ResourceShown::Blank:
        return {};
    case ResourceShown::Unknown:
        return unknown;
    case ResourceShown::Range:
        std::snprintf(text, sizeof text, "%X-%X", static_cast<unsigned>(shown.first),
                      static_cast<unsigned>(shown.last));
        break;
    case ResourceShown::Number:
        std::snprintf(text, sizeof text, "%d", static_cast<int>(shown.first));
        break;
    }
    return (shown.starred ? star : std::string()) + text;
}

}  // namespace diag
