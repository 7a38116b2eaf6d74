#pragma once
// The graph files opened or saved last, newest first: what "algemeen" > "recent >>" lists.
// Kept between runs by the window, in the platform's settings, as the bytes of each path
// (a file name need not be UTF-8).

#include <string>
#include <vector>

namespace quorvel {

class RecentFiles {
 public:
  static constexpr size_t kMax = 8;

  // As stored: empty and repeated paths dropped, at most kMax.
  void set(const std::vector<std::string>& paths);
  // Opened or saved: to the front, once, as its absolute canonical path.
  void add(const std::string& path);
  void remove(const std::string& path);
  const std::vector<std::string>& paths() const { return paths_; }
  // What the menu shows of each: the file's name, cut to the menu's 15 characters.
  std::vector<std::string> menuTexts() const;

 private:
  std::vector<std::string> paths_;
};

}  // namespace quorvel
