#pragma once
// Small facts about file names as the user types them.

#include <algorithm>
#include <string>
#include <string_view>

namespace quorvel {

// The extension of the file name's last part, in lower case ("" when it has none).
inline std::string lowerExtension(std::string_view path) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return "";
  std::string extension(path.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace quorvel
