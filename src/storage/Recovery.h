#pragma once
// Recovery after a crash. While a run has unsaved changes its document is written, through
// the safe writer, to a file of its own in the user's state folder, with the path of the graph
// file the work belongs to in a file beside it; a clean end or a save removes them. Each run
// holds a lock beside its file for as long as it lives, and the system lets go of the lock
// however the run ends (SIGKILL included): a recovery file whose lock is free was left by a run
// that crashed. Two runs never share a file, and a starting run offers a file left behind only
// while it holds that file's lock, so no two runs offer the same one and a crash during the
// offer leaves it for the next start.
//
// The work is private: the folder is the user's alone (0700) and so is every file in it
// (0600), whatever the umask. A folder that is not a real folder of the user's is refused, and
// no file there is created, replaced or read through a symbolic link, so that nobody who could
// once write into the folder can steer a write of the program's elsewhere.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvel {

// The user's state folder for the program: $XDG_STATE_HOME/quorvel, or, when that is not set
// (or not absolute), $HOME/.local/state/quorvel; "" without either.
std::string recoveryFolder(const char* xdgStateHome, const char* home);

class RecoveryFiles {
 public:
  // Makes the folder when needed (and the folders above it, private too) and takes this run's
  // lock. Without a usable folder the files are off (enabled() false) and nothing else is done.
  explicit RecoveryFiles(std::string folder);
  ~RecoveryFiles();  // lets go of the lock; the files stay unless removed
  RecoveryFiles(const RecoveryFiles&) = delete;
  RecoveryFiles& operator=(const RecoveryFiles&) = delete;

  bool enabled() const { return lock_ >= 0; }
  std::string path() const;  // this run's recovery file
  // This run's document, and the graph file it is the work of ("": none); false (and the files
  // off from now on) when it cannot be written.
  bool write(std::span<const uint8_t> document, const std::string& documentPath = "");
  // This run's files and lock: the document is safe elsewhere, or the run ends cleanly.
  void remove();
  void removeFile();

  // The newest recovery file left behind by a run that ended without removing it, with its
  // lock now held by this run; nothing when there is none. What runs that ended left without
  // a recovery file (locks, paths, half-written temporary files) is tidied away on the way.
  struct LeftBehind {
    std::string run;  // the name its run's files share in the folder
    int lock = -1;
  };
  std::optional<LeftBehind> claimLeftBehind();
  // What a claimed run left: its document (nothing when it cannot be read), and the graph file
  // it was the work of ("": none).
  std::optional<std::vector<uint8_t>> document(const LeftBehind& file) const;
  std::string documentPath(const LeftBehind& file) const;
  // Done with a claimed file: removed (restored, discarded, or damaged and the user told), or
  // left for a later start.
  void release(LeftBehind& file, bool removeIt);

 private:
  void removeRun(const std::string& run);
  std::string folder_;
  int folderFd_ = -1;
  std::string run_;  // this run's name
  int lock_ = -1;
  std::optional<std::string> pathWritten_;  // what this run's path file holds
};

}  // namespace quorvel
