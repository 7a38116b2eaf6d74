#pragma once
// The graph file keeps its texts in the Windows code page 1252; the program works in UTF-8.
// The conversion happens here, at the file's boundary, and nowhere else.

#include <string>
#include <string_view>

namespace quorvel {

// Every byte becomes one character. The five bytes the code page leaves undefined (81, 8D,
// 8F, 90, 9D) become the control characters of the same number, so they survive a round trip.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and bytes that are not UTF-8, become "?".
std::string utf8ToCp1252(std::string_view text);

}  // namespace quorvel
