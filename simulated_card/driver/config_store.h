// The card's stored configuration ("save" with the type "Config"): one text
// value under the current user's registry, read again at every open.
//   HKEY_CURRENT_USER\Software\KX310\Simulated Card, value "Config"
#pragma once

#include <string>

namespace kxmci {

bool StoreConfig(const std::string& text);
std::string LoadConfig();   // empty when nothing is stored

} // namespace kxmci
