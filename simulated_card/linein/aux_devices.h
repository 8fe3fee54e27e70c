// The simulated sound card's auxiliary devices and their volumes, kept in the
// registry so that a test (in any process) can set them up and read them:
//   HKEY_CURRENT_USER\Software\KX310\Simulated Card
//     "AuxDevices"  text, the devices in order, separated by blanks:
//                   "linein" (line in, left and right volume),
//                   "linein-mono" (line in, one volume), "cd" (CD audio);
//                   missing: "cd linein"
//     "AuxVolume0", "AuxVolume1", ...  number, each device's volume
//                   (low word left, high word right; missing: 0x80008000)
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace kxaux {

enum class Kind { CdAudio, LineIn, LineInMono };

std::vector<Kind> ReadDevices();
DWORD ReadVolume(UINT device);
void WriteVolume(UINT device, DWORD volume);

}  // namespace kxaux
