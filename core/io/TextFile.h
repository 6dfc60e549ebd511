#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "io/Result.h"

namespace tarvis::io {

// Reads a whole file as bytes.
Result<std::string> readBytes(const std::filesystem::path& path);
// Reads a CP1252 text file and returns it as UTF-8.
Result<std::string> readText(const std::filesystem::path& path);

// Writes bytes so that the file is either the old one or the complete new one:
// the data goes to a temporary file beside it, which then replaces it.
Status writeBytes(const std::filesystem::path& path, std::string_view bytes);
// Writes UTF-8 text as a CP1252 file.
Status writeText(const std::filesystem::path& path, std::string_view utf8);
// Appends UTF-8 text to a CP1252 file (creating it).
Status appendText(const std::filesystem::path& path, std::string_view utf8);

}  // namespace tarvis::io
