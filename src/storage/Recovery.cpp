#include "storage/Recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "common/SafeFile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFileSuffix = ".qvl";
constexpr const char* kLockSuffix = ".lock";

// A lock file opened and locked, or -1 when it is held by another run (or cannot be made).
int takeLock(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::string lockOf(const std::string& file) {
  return file.substr(0, file.size() - std::string(kFileSuffix).size()) + kLockSuffix;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string recoveryFolder(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/quorvel";
  if (home && home[0] != '\0') return std::string(home) + "/.local/state/quorvel";
  return "";
}

RecoveryFiles::RecoveryFiles(std::string folder) : folder_(std::move(folder)) {
  if (folder_.empty()) return;
  std::error_code error;
  fs::create_directories(folder_, error);
  if (!fs::is_directory(folder_, error) || ::access(folder_.c_str(), W_OK) != 0) return;
  // A name no other run has: the process number and a random part.
  std::random_device random;
  const std::string stem =
      folder_ + "/run-" + std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000000u);
  path_ = stem + kFileSuffix;
  lockPath_ = stem + kLockSuffix;
  lock_ = takeLock(lockPath_);
}

RecoveryFiles::~RecoveryFiles() {
  if (lock_ >= 0) ::close(lock_);
}

bool RecoveryFiles::write(std::span<const uint8_t> document) {
  if (!enabled()) return false;
  if (writeFileSafely(path_, document)) return true;
  remove();
  return false;
}

void RecoveryFiles::removeFile() {
  if (enabled()) ::unlink(path_.c_str());
}

void RecoveryFiles::remove() {
  if (!enabled()) return;
  ::unlink(path_.c_str());
  ::unlink(lockPath_.c_str());
  ::close(lock_);
  lock_ = -1;
}

std::optional<RecoveryFiles::LeftBehind> RecoveryFiles::claimLeftBehind() {
  if (!enabled()) return std::nullopt;
  std::optional<LeftBehind> newest;
  fs::file_time_type newestTime{};
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
    const std::string path = entry.path().string();
    if (path == path_ || path == lockPath_) continue;
    if (endsWith(path, kLockSuffix)) {
      // A lock without its file, held by nobody: a run that ended with nothing to recover.
      const std::string file =
          path.substr(0, path.size() - std::string(kLockSuffix).size()) + kFileSuffix;
      if (fs::exists(file, error)) continue;
      const int fd = takeLock(path);
      if (fd >= 0) {
        ::unlink(path.c_str());
        ::close(fd);
      }
      continue;
    }
    if (!endsWith(path, kFileSuffix) || !entry.is_regular_file(error)) continue;
    const int fd = takeLock(lockOf(path));
    if (fd < 0) continue;  // its run is still alive
    const fs::file_time_type time = entry.last_write_time(error);
    if (!newest || time > newestTime) {
      if (newest) ::close(newest->lock);
      newest = LeftBehind{path, fd};
      newestTime = time;
    } else {
      ::close(fd);
    }
  }
  return newest;
}

void RecoveryFiles::release(LeftBehind& file, bool removeIt) {
  if (file.lock < 0) return;
  if (removeIt) {
    ::unlink(file.path.c_str());
    ::unlink(lockOf(file.path).c_str());
  }
  ::close(file.lock);
  file.lock = -1;
}

}  // namespace quorvel
