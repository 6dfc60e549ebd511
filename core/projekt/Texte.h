#pragma once
#include <map>
#include <string>
#include <string_view>

namespace tarvis {

// The string table of captions and messages, compiled into the program.
// Text(n) is entry n; a number the table lacks gives "[n]" so that a gap is
// visible on screen instead of an empty message.
const std::string& Text(int n);
bool TextVorhanden(int n);

// Parses the table format: number, TAB, text; "\n" in a text is a line
// break and "\\" a backslash.
std::map<int, std::string> TexteParsen(std::string_view tsv);

}  // namespace tarvis
