// Conversion between the program's single-byte Windows-1252 text and UTF-8,
// used only where text leaves the program (the window, JSON output).
#pragma once

#include <string>
#include <string_view>

namespace lexorra::text {

std::string cp1252ToUtf8(std::string_view text);

// Characters that Windows-1252 cannot hold become "?".
std::string utf8ToCp1252(std::string_view text);

}  // namespace lexorra::text
