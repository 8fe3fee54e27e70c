// The registry device tree of an installed simulated card: its entry under
// HKLM\Enum\Root and its node in the running configuration
// (HKEY_DYN_DATA\Config Manager\Enum).
#pragma once
#include <windows.h>

namespace testhw {

constexpr char kEnumerator[] = "KX310";
constexpr char kInstance[] = "0000";
constexpr char kInstanceKey[] = "Enum\\Root\\KX310\\0000";
constexpr char kHardwareKey[] = "ROOT\\KX310\\0000";
constexpr char kConfigNode[] = "Config Manager\\Enum\\C2910310";
constexpr char kDeviceDesc[] = "Vistacard KX310 Video Overlay";
constexpr char kClass[] = "MEDIA";
constexpr char kMfg[] = "Halvorn";

// Both parts, with problem code 0 (the card runs).  Returns the first error.
LONG InstallDeviceTree();
LONG RemoveDeviceTree();

}  // namespace testhw
