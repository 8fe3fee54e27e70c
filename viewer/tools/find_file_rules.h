// The Find File dialog's rules that need no window: the pattern it starts
// with, path splitting, the drive list's texts, the directory list's shape
// and the hand-over of a found path into the caller's buffers.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace find_file {

// ASCII lower-casing, as the dialog shows every path and pattern.
std::string Lower(std::string text);

// The pattern the dialog starts with.  `filter` and `customFilter` hold
// pairs of description and pattern, and the last character of each is its
// separator ("Bitmaps|*.bmp|All|*.*|").  `index` is the 1-based pair to take
// the pattern from, 0 the first.  The custom filter stands in for the filter
// when it is given and the index is 0.  Without a usable pair the pattern is
// `fallback`.  The result is lower-cased.
std::string InitialPattern(const char* filter, const char* customFilter, unsigned index,
                           const std::string& fallback);

// File attributes as the platform numbers them.
constexpr unsigned long kAttributeReadOnly = 0x01;
constexpr unsigned long kAttributeHidden = 0x02;
constexpr unsigned long kAttributeSystem = 0x04;
constexpr unsigned long kAttributeDirectory = 0x10;
constexpr unsigned long kAttributeArchive = 0x20;
constexpr unsigned long kAttributeNormal = 0x80;

// Whether a directory entry that matches the pattern is a found file: a file
// (not a directory) with the read-only, archive or normal attribute, so that
// hidden and system files without any of those stay out of the list.
bool IsFoundFile(unsigned long attributes);

// Whether a file name matches a pattern the way the system's file listing
// matches one: letters in either case, "?" for any one character, "*" for
// any run; a pattern ending in ".*" also matches names without a dot, so
// "*.*" matches every name.
bool MatchesPattern(const std::string& name, const std::string& pattern);

// A path in its four parts, as the platform's path splitting gives them:
// "c:", "\dir\sub\", "name", ".ext" (each may be empty).
struct PathParts {
    std::string drive;
    std::string dir;
    std::string name;
    std::string ext;
};
PathParts SplitPath(const std::string& path);

// The name after a drive letter in the drive list: the root's first short
// name, lower-cased, with a dot right after the eighth character dropped (a
// volume label read as a file name "abcdefgh.ijk" shows as "abcdefghijk").
std::string RootNameForLabel(const std::string& shortName);

// The drive list's text: `format` (with %c and %s) applied to the drive
// letter and `gap`, followed by `tail`.  At most `limit` characters.
std::string DriveLabel(const std::string& format, char letter, const std::string& gap, const std::string& tail,
                       std::size_t limit = 127);

// One entry of the directory list.
enum class DirKind { Component, Current, Subdirectory };
struct DirEntry {
    std::string text;
    int depth;
    DirKind kind;
};

// A path without its trailing backslash, except for a root ("c:\").
std::string WithoutTrailingBackslash(const std::string& path);

// The directory list for `path` ("c:\a\b"): the components from the root
// down ("c:\", "a"), the last one ("b") as the current directory, then
// `subdirectories` one level deeper.
std::vector<DirEntry> DirectoryEntries(const std::string& path, const std::vector<std::string>& subdirectories);

// The path that a double-click on entry `position` of a directory list
// changes to: a component gives the path up to and including it, a
// subdirectory the current directory's path with it appended; the current
// directory itself gives "".
std::string PathForEntry(const std::vector<DirEntry>& entries, std::size_t position);

// Pixels from the left edge to an entry's bitmap.
inline int IndentPixels(int depth) { return depth * 4 + 4; }

// The first line of a scrolling directory list: the entry above the current
// directory, or the first.
inline int TopIndex(int currentPosition) { return currentPosition > 0 ? currentPosition - 1 : 0; }

// Where "*.*" (or `pattern`) goes after a path that names a directory.
std::string AppendPattern(const std::string& directory, const std::string& pattern);

// Handing a found path to the caller: the path, the offset of its file name
// and the name.  Refused (false, nothing written) when the path or the name
// with its terminator does not fit its buffer: a cut path would name another
// file.  A null title buffer receives nothing.
struct FoundPath {
    std::size_t nameOffset = 0;
};
bool CopyFoundPath(const std::string& path, char* file, std::size_t fileSize, char* title, std::size_t titleSize,
                   FoundPath& out);

}  // namespace find_file
