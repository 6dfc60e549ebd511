#pragma once
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "io/Result.h"

namespace tarvis::io {

// Every file the program reads is small (a project, a hand-over file, the
// catalogue are kilobytes); a larger one is refused before it is read.
inline constexpr std::size_t kMaxLesen = std::size_t{4} << 20;

// Whether a file can be read: it exists, is a regular file (not a folder, a
// pipe or a device) and holds at most maxSize bytes. The error says which.
Status readable(const std::filesystem::path& path, std::size_t maxSize = kMaxLesen);
// Reads a whole file as bytes, under the conditions of readable().
Result<std::string> readBytes(const std::filesystem::path& path, std::size_t maxSize = kMaxLesen);
// Reads a CP1252 text file and returns it as UTF-8.
Result<std::string> readText(const std::filesystem::path& path, std::size_t maxSize = kMaxLesen);

// Replaces exactly the file named, so that it is either the old file or the
// complete new one, whatever happens on the way:
// - the bytes go to a temporary file created exclusively (no name anyone
//   could plant beforehand) in the file's own folder, which is flushed to
//   the disk and then renamed over the file;
// - the new file keeps the old one's permissions (and its owner where the
//   process may set it);
// - a symbolic link is followed: its target is replaced and the link stays;
// - a hard link is not kept: the name written gets the new file, other
//   names keep the old one (renaming cannot do otherwise);
// - a pipe, a device or a descriptor of this process (/dev/stdout) is
//   written directly, never replaced; a folder is refused;
// - a read-only file is refused and left alone;
// - on any failure the old file is untouched, no temporary file remains and
//   the error (with the file name) is returned.
Status writeBytes(const std::filesystem::path& path, std::string_view bytes);
// Writes UTF-8 text as a CP1252 file.
Status writeText(const std::filesystem::path& path, std::string_view utf8);

// Whether a write to `path` goes straight to a pipe, a device or a
// descriptor of this process instead of replacing a file: there is no
// folder of its own beside such a target to put other files in.
bool writtenDirectly(const std::filesystem::path& path);

// Files that belong together: either every one is replaced or none is.
struct FileBytes {
    std::filesystem::path path;
    std::string_view bytes;
};
Status writeAll(std::initializer_list<FileBytes> files);

// Appends UTF-8 text to a CP1252 file (creating it); a folder or a
// read-only file is refused, a pipe without reader does not block.
Status appendText(const std::filesystem::path& path, std::string_view utf8);

// Whether two paths name the same file (the same device and inode; paths
// of files that do not exist compare by their absolute, normalised form).
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tarvis::io
