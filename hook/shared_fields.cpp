#include "shared_fields.h"

namespace htvchook {
namespace {
// One instance for every process that has the library loaded.
SharedFields g_shared __attribute__((section(".MYSEC"), shared)) = {0, nullptr, nullptr, nullptr, nullptr};
} // namespace

volatile SharedFields& Shared() { return g_shared; }

} // namespace htvchook
