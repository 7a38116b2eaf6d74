#include "storage/Recovery.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <map>
#include <random>
#include <set>

#include "common/SafeFile.h"
#include "storage/GraphFile.h"

namespace quorvel {
namespace {

// A run's files share its name: "run-<process>-<random>" and one of these.
constexpr const char* kFile = ".qvl";
constexpr const char* kLock = ".lock";
constexpr const char* kPath = ".path";
constexpr const char* kTemporary = ".tmp";
constexpr const char* kRunPrefix = "run-";
// What the safe writer of earlier versions named its temporary files, and how old one must be
// before it counts as left by a run that died while writing.
constexpr const char* kOldTemporaryPrefix = ".quorvel-";
constexpr time_t kOldTemporaryAge = 60;
constexpr size_t kLongestPath = 4096;

// Makes `path` and the folders above it that are missing, each for the user alone.
bool makeFolders(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) return true;
  if (errno != ENOENT) return false;
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash == 0) return false;
  return makeFolders(path.substr(0, slash)) &&
         (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST);
}

// The folder opened, when it is a real folder (not a link) of the user's, made private when it
// is not yet; -1 otherwise.
int openOwnFolder(const std::string& path) {
  if (!makeFolders(path)) return -1;
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() ||
      ((info.st_mode & 07777) != 0700 && ::fchmod(fd, 0700) != 0)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// A lock file in the folder opened and locked, or -1 when it is held by another run, is not a
// plain file of the user's (a link is never followed), or (`create` false) does not exist.
int takeLock(int folder, const std::string& name, bool create) {
  const int fd = ::openat(folder, name.c_str(),
                          O_RDWR | O_NOFOLLOW | O_CLOEXEC | (create ? O_CREAT : 0), 0600);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
      ((info.st_mode & 07777) != 0600 && ::fchmod(fd, 0600) != 0) ||
      ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

struct Entry {
  bool plainFile = false;  // of the user's, not a link
  struct timespec modified {};
};

// The names in the folder, with what the tidying needs to know of each.
std::map<std::string, Entry> entriesOf(int folder) {
  std::map<std::string, Entry> entries;
  const int fd = ::dup(folder);
  if (fd < 0) return entries;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return entries;
  }
  ::rewinddir(dir);
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    Entry& entry = entries[name];
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
      entry.plainFile = S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
      entry.modified = info.st_mtim;
    }
  }
  ::closedir(dir);
  return entries;
}

bool newer(const struct timespec& a, const struct timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

}  // namespace

std::string recoveryFolder(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/quorvel";
  if (home && home[0] != '\0') return std::string(home) + "/.local/state/quorvel";
  return "";
}

RecoveryFiles::RecoveryFiles(std::string folder) : folder_(std::move(folder)) {
  if (folder_.empty()) return;
  folderFd_ = openOwnFolder(folder_);
  if (folderFd_ < 0) return;
  // A name no other run has: the process number and a random part.
  std::random_device random;
  run_ = kRunPrefix + std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000000u);
  lock_ = takeLock(folderFd_, run_ + kLock, true);
}

RecoveryFiles::~RecoveryFiles() {
  if (lock_ >= 0) ::close(lock_);
  if (folderFd_ >= 0) ::close(folderFd_);
}

std::string RecoveryFiles::path() const {
  return folder_ + "/" + run_ + kFile;
}

bool RecoveryFiles::write(std::span<const uint8_t> document, const std::string& documentPath) {
  if (!enabled()) return false;
  bool written = true;
  if (pathWritten_ != documentPath) {
    if (documentPath.empty()) {
      ::unlinkat(folderFd_, (run_ + kPath).c_str(), 0);
    } else {
      written = writePrivateFile(
          folderFd_, run_ + kPath, run_ + kTemporary,
          std::span(reinterpret_cast<const uint8_t*>(documentPath.data()), documentPath.size()));
    }
    if (written) pathWritten_ = documentPath;
  }
  if (written && writePrivateFile(folderFd_, run_ + kFile, run_ + kTemporary, document)) {
    return true;
  }
  remove();
  return false;
}

void RecoveryFiles::removeFile() {
  if (!enabled()) return;
  ::unlinkat(folderFd_, (run_ + kFile).c_str(), 0);
  ::unlinkat(folderFd_, (run_ + kPath).c_str(), 0);
  pathWritten_.reset();
}

void RecoveryFiles::removeRun(const std::string& run) {
  for (const char* suffix : {kFile, kPath, kTemporary, kLock})
    ::unlinkat(folderFd_, (run + suffix).c_str(), 0);
}

void RecoveryFiles::remove() {
  if (!enabled()) return;
  removeRun(run_);
  ::close(lock_);
  lock_ = -1;
}

std::optional<RecoveryFiles::LeftBehind> RecoveryFiles::claimLeftBehind() {
  if (!enabled()) return std::nullopt;
  const std::map<std::string, Entry> entries = entriesOf(folderFd_);
  auto has = [&entries](const std::string& name) {
    const auto it = entries.find(name);
    return it != entries.end() && it->second.plainFile;
  };
  // Each run's files share its name.
  std::set<std::string> runs;
  const time_t now = std::time(nullptr);
  for (const auto& [name, entry] : entries) {
    if (name.starts_with(kOldTemporaryPrefix) && entry.plainFile &&
        now - entry.modified.tv_sec > kOldTemporaryAge) {
      ::unlinkat(folderFd_, name.c_str(), 0);
    }
    const size_t dot = name.rfind('.');
    if (name.starts_with(kRunPrefix) && dot != std::string::npos) runs.insert(name.substr(0, dot));
  }
  runs.erase(run_);

  std::optional<LeftBehind> newest;
  struct timespec newestTime {};
  for (const std::string& run : runs) {
    if (!has(run + kFile)) {
      // Nothing to recover: a run that ended with nothing unsaved, or died writing its first
      // file. Its leftovers go once its lock shows it is gone.
      const int fd = takeLock(folderFd_, run + kLock, false);
      if (fd < 0 && entries.count(run + kLock)) continue;  // alive, or not ours to touch
      removeRun(run);
      if (fd >= 0) ::close(fd);
      continue;
    }
    const int fd = takeLock(folderFd_, run + kLock, true);
    if (fd < 0) continue;                                  // its run is still alive
    ::unlinkat(folderFd_, (run + kTemporary).c_str(), 0);  // a write it did not finish
    const struct timespec time = entries.at(run + kFile).modified;
    if (!newest || newer(time, newestTime)) {
      if (newest) ::close(newest->lock);
      newest = LeftBehind{run, fd};
      newestTime = time;
    } else {
      ::close(fd);
    }
  }
  return newest;
}

std::optional<std::vector<uint8_t>> RecoveryFiles::document(const LeftBehind& file) const {
  if (file.lock < 0) return std::nullopt;
  return readPrivateFile(folderFd_, file.run + kFile, kImageSize);
}

std::string RecoveryFiles::documentPath(const LeftBehind& file) const {
  if (file.lock < 0) return "";
  const std::optional<std::vector<uint8_t>> bytes =
      readPrivateFile(folderFd_, file.run + kPath, kLongestPath + 1);
  if (!bytes || bytes->size() > kLongestPath) return "";
  const std::string path(bytes->begin(), bytes->end());
  // Only a path as the program writes one: absolute, without a zero byte.
  if (path.empty() || path[0] != '/' || path.find('\0') != std::string::npos) return "";
  return path;
}

void RecoveryFiles::release(LeftBehind& file, bool removeIt) {
  if (file.lock < 0) return;
  if (removeIt) removeRun(file.run);
  ::close(file.lock);
  file.lock = -1;
}

}  // namespace quorvel
