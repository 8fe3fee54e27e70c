// Several numbers kept in one settings text ("%d %d %d %d"): written with
// single blanks between them and scanned back the same way.
#pragma once

#include <cstddef>
#include <string>

// Scans up to `capacity` decimal integers separated by blanks from `text`;
// returns how many were read.  Scanning stops at the first word that is not
// a whole 32-bit integer, so a damaged text yields fewer numbers, never
// wrong ones.
size_t ScanNumbers(const std::string& text, int* numbers, size_t capacity);

std::string JoinNumbers(const int* numbers, size_t count);
