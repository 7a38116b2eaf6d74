#pragma once
// Texts are UTF-8 inside the program.

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace quorvel {

// Characters, not bytes: every byte that does not continue a character starts one. The
// graph file's code page holds each of them in one byte.
inline size_t characterCount(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace quorvel
