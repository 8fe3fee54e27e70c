#include "find_file_rules.h"

#include <cstdio>
#include <cstring>

namespace find_file {

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

namespace {

// The fields of a filter text, split at its separator (its last character).
std::vector<std::string> FilterFields(const char* filter)
{
    std::vector<std::string> fields;
    std::size_t length = std::strlen(filter);
    if (length == 0)
        return fields;
    char separator = filter[length - 1];
    std::string field;
    for (std::size_t i = 0; i + 1 < length; ++i) {
        if (filter[i] == separator) {
            fields.push_back(field);
            field.clear();
        } else {
            field += filter[i];
        }
    }
    fields.push_back(field);
    return fields;
}

bool IsSlash(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string InitialPattern(const char* filter, const char* customFilter, unsigned index,
                           const std::string& fallback)
{
    const char* source = filter;
    if (customFilter && *customFilter && index == 0)
        source = customFilter;
    if (!source)
        return Lower(fallback);
    std::vector<std::string> fields = FilterFields(source);
    std::size_t pair = index == 0 ? 1 : index;
    std::size_t at = pair * 2 - 1;
    if (at >= fields.size() || fields[at].empty())
        return Lower(fallback);
    return Lower(fields[at]);
}

bool IsFoundFile(unsigned long attributes)
{
    if (attributes & kAttributeDirectory)
        return false;
    return (attributes & (kAttributeReadOnly | kAttributeArchive | kAttributeNormal)) != 0;
}

namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// "*" and "?" matching, with the last "*" seen as the point to retry from.
bool Wildcard(const char* name, const char* pattern)
{
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || (*pattern && Folded(*pattern) == Folded(*name))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern)
{
    if (Wildcard(name.c_str(), pattern.c_str()))
        return true;
    // "name.*" stands for "name" with any extension or none.
    if (pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0 && name.find('.') == std::string::npos)
        return Wildcard(name.c_str(), pattern.substr(0, pattern.size() - 2).c_str());
    return false;
}

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    std::size_t lastSlash = std::string::npos;
    for (std::size_t i = start; i < path.size(); ++i)
        if (IsSlash(path[i]))
            lastSlash = i;
    std::size_t nameStart = start;
    if (lastSlash != std::string::npos) {
        parts.dir = path.substr(start, lastSlash + 1 - start);
        nameStart = lastSlash + 1;
    }
    std::string rest = path.substr(nameStart);
    std::size_t dot = rest.rfind('.');
    if (dot == std::string::npos) {
        parts.name = rest;
    } else {
        parts.name = rest.substr(0, dot);
        parts.ext = rest.substr(dot);
    }
    return parts;
}

std::string RootNameForLabel(const std::string& shortName)
{
    std::string name = Lower(shortName);
    if (name.size() > 8 && name[8] == '.')
        name.erase(8, 1);
    return name;
}

std::string DriveLabel(const std::string& format, char letter, const std::string& gap, const std::string& tail,
                       std::size_t limit)
{
    // The format comes from the string table: it must ask for exactly a
    // character and then a text, or it is not used.
    std::string text;
    if (format == "%c%s") {
        char head[64];
        std::snprintf(head, sizeof head, "%c%s", letter, gap.c_str());
        text = head;
    } else {
        text = std::string(1, letter) + gap;
    }
    text += tail;
    if (text.size() > limit)
        text.resize(limit);
    return text;
}

std::string WithoutTrailingBackslash(const std::string& path)
{
    std::string result = path;
    while (result.size() > 3 && IsSlash(result.back()))
        result.pop_back();
    if (result.size() == 2 && result[1] == ':')
        result += '\\';
    return result;
}

std::vector<DirEntry> DirectoryEntries(const std::string& path, const std::vector<std::string>& subdirectories)
{
    std::vector<DirEntry> entries;
    std::string trimmed = WithoutTrailingBackslash(path);
    std::size_t pos = 0;
    if (trimmed.size() >= 3 && trimmed[1] == ':' && IsSlash(trimmed[2])) {
        entries.push_back({trimmed.substr(0, 2) + "\\", 0, DirKind::Component});
        pos = 3;
    }
    while (pos < trimmed.size()) {
        std::size_t next = pos;
        while (next < trimmed.size() && !IsSlash(trimmed[next]))
            ++next;
        if (next > pos)
            entries.push_back({trimmed.substr(pos, next - pos), static_cast<int>(entries.size()), DirKind::Component});
        pos = next + 1;
    }
    if (entries.empty())
        return entries;
    entries.back().kind = DirKind::Current;
    int depth = static_cast<int>(entries.size());
    for (const std::string& name : subdirectories)
        entries.push_back({name, depth, DirKind::Subdirectory});
    return entries;
}

std::string PathForEntry(const std::vector<DirEntry>& entries, std::size_t position)
{
    if (position >= entries.size() || entries[position].kind == DirKind::Current)
        return std::string();
    std::string result;
    for (std::size_t i = 0; i < entries.size() && entries[i].kind != DirKind::Subdirectory; ++i) {
        if (i > position && entries[position].kind == DirKind::Component)
            break;
        if (i > 0 && !result.empty() && !IsSlash(result.back()))
            result += '\\';
        result += entries[i].text;
    }
    if (entries[position].kind == DirKind::Subdirectory)
        result = AppendPattern(result, entries[position].text);
    return result;
}

std::string AppendPattern(const std::string& directory, const std::string& pattern)
{
    std::string result = directory;
    if (!result.empty() && !IsSlash(result.back()))
        result += '\\';
    return result + pattern;
}

bool CopyFoundPath(const std::string& path, char* file, std::size_t fileSize, char* title, std::size_t titleSize,
                   FoundPath& out)
{
    std::size_t slash = path.find_last_of("\\/");
    std::size_t nameOffset = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(nameOffset);
    if (!file || path.empty() || path.size() + 1 > fileSize)
        return false;
    if (title && name.size() + 1 > titleSize)
        return false;
    std::memcpy(file, path.c_str(), path.size() + 1);
    if (title)
        std::memcpy(title, name.c_str(), name.size() + 1);
    out.nameOffset = nameOffset;
    return true;
}

}  // namespace find_file
