#pragma once
// Recovery after a crash. While a run has unsaved changes its document is written, through
// the safe writer, to a file of its own in the user's state folder; a clean end or a save
// removes it. Each run holds a lock beside its file for as long as it lives, and the system
// lets go of the lock however the run ends (SIGKILL included): a recovery file whose lock is
// free was left by a run that crashed. Two runs never share a file, and a starting run offers
// a file left behind only while it holds that file's lock, so no two runs offer the same one
// and a crash during the offer leaves it for the next start.

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
  // Makes the folder when needed and takes this run's lock. Without a usable folder the
  // files are off (enabled() false) and nothing else is done.
  explicit RecoveryFiles(std::string folder);
  ~RecoveryFiles();  // lets go of the lock; the file stays unless removed
  RecoveryFiles(const RecoveryFiles&) = delete;
  RecoveryFiles& operator=(const RecoveryFiles&) = delete;

  bool enabled() const { return lock_ >= 0; }
  const std::string& path() const { return path_; }  // this run's recovery file
  // This run's document; false (and the files off from now on) when it cannot be written.
  bool write(std::span<const uint8_t> document);
  // This run's file and lock: the document is safe elsewhere, or the run ends cleanly.
  void remove();
  void removeFile();

  // The newest recovery file left behind by a run that ended without removing it, with its
  // lock now held by this run; nothing when there is none. Locks without a file that no run
  // holds are tidied away on the way.
  struct LeftBehind {
    std::string path;
    int lock = -1;
  };
  std::optional<LeftBehind> claimLeftBehind();
  // Done with a claimed file: removed (restored, discarded, or damaged and the user told), or
  // left for a later start.
  static void release(LeftBehind& file, bool removeIt);

 private:
  std::string folder_;
  std::string path_;
  std::string lockPath_;
  int lock_ = -1;
};

}  // namespace quorvel
