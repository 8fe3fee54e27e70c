// Test support: the lines of a text file another process may still be
// writing (the simulated card's command log), without their line ends.
#pragma once
#include <string>
#include <vector>

namespace kxtest {

// Empty when the file cannot be opened.  Lines end with CR LF.
std::vector<std::string> ReadTextLines(const std::string& path);

}  // namespace kxtest
