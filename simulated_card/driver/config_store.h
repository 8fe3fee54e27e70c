// The card's stored configuration ("save" with the type "Config"): one text
// value under the current user's registry, read again at every open.
//   HKEY_CURRENT_USER\Software\KX310\Simulated Card, value "Config"
#pragma once

#include <string>

namespace kxmci {

bool StoreConfig(const std::string& text);
std::string LoadConfig();   // empty when nothing is stored

// The signals plugged into the inputs: value "Inputs" under the same key,
// three signal types for input 0, input 1 and S-Video, -1 for none (see
// kxcard::ParseInputsText).  Empty when the value is not there.
std::string LoadInputs();

} // namespace kxmci
