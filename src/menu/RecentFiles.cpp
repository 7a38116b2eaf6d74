#include "menu/RecentFiles.h"

#include <algorithm>

#include "common/SafeFile.h"
#include "menu/Menu.h"

namespace quorvel {

void RecentFiles::set(const std::vector<std::string>& paths) {
  paths_.clear();
  for (const std::string& path : paths) {
    if (path.empty() || std::find(paths_.begin(), paths_.end(), path) != paths_.end()) continue;
    if (paths_.size() == kMax) break;
    paths_.push_back(path);
  }
}

void RecentFiles::add(const std::string& typed) {
  // As the system names the file, so that it opens from wherever the program starts next and
  // one file has one place in the list.
  const std::string path = canonicalFilePath(typed);
  remove(path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kMax) paths_.resize(kMax);
}

void RecentFiles::remove(const std::string& path) {
  paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

std::vector<std::string> RecentFiles::menuTexts() const {
  std::vector<std::string> texts;
  for (const std::string& path : paths_) {
    const size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // Cut by characters, not bytes; the last shown is an ellipsis.
    size_t characters = 0, cut = name.size();
    for (size_t i = 0; i < name.size(); ++i) {
      if ((static_cast<unsigned char>(name[i]) & 0xC0) == 0x80) continue;
      if (++characters == kMaxMenuText) cut = i;
    }
    if (characters > kMaxMenuText) name = name.substr(0, cut) + "…";
    texts.push_back(name);
  }
  return texts;
}

}  // namespace quorvel
