#pragma once
#include <string>
#include <string_view>

namespace tarvis::io {

// Files on disk are in the Windows code page 1252; everything inside the
// program is UTF-8. These two convert at the file boundary.
std::string cp1252ToUtf8(std::string_view bytes);
// Characters that CP1252 cannot hold become '?'.
std::string utf8ToCp1252(std::string_view utf8);

// Number of characters (code points) of a UTF-8 string.
std::size_t utf8Length(std::string_view utf8);
// The first n characters of a UTF-8 string.
std::string utf8Left(std::string_view utf8, std::size_t n);

}  // namespace tarvis::io
