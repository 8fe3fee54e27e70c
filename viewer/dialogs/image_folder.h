// Where an image dialog starts: the folder of the path it stored last time.
// Windows-free, so that it is tested natively as well.
#pragma once
#include <cstddef>
#include <string>

// The folder part of a stored full path, without its trailing backslash
// unless it is a root ("C:\IMAGES\CAT.BMP" gives "C:\IMAGES", "C:\CAT.BMP"
// gives "C:\").  Empty (the dialog starts in the current folder) for an
// empty path, a path without a folder, or a folder that would not fit a
// buffer of `capacity` characters with its terminator: a cut folder would
// name another one.
std::string InitialFolderOf(const std::string& storedPath, size_t capacity);
