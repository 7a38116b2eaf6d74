#include "common/SafeFile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

namespace quorvel {
namespace {

// As an editor judges it: the system must allow the write, and the file or folder must have
// a write bit at all (so that a read-only file is refused even for root).
bool userMayWrite(const std::string& path, mode_t mode) {
  return ::access(path.c_str(), W_OK) == 0 && (mode & 0222) != 0;
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);  // the only way to read it; set back at once
  ::umask(mask);
  return mask;
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Reads what `fd` (just opened, or -1 with errno telling why not) holds, when it is a plain
// file (of the user's, when `ownOnly`), and closes it.
std::optional<std::vector<uint8_t>> readOpened(int fd, size_t limit, bool ownOnly,
                                               ReadFault* fault) {
  ReadFault why = ReadFault::None;
  std::optional<std::vector<uint8_t>> bytes;
  struct stat info {};
  if (fd < 0) {
    why = errno == ENOENT || errno == ENOTDIR ? ReadFault::Missing
          : errno == EACCES || errno == EPERM ? ReadFault::NoAccess
                                              : ReadFault::Failed;
  } else if (::fstat(fd, &info) != 0) {
    why = ReadFault::Failed;
  } else if (S_ISDIR(info.st_mode)) {
    why = ReadFault::Folder;
  } else if (!S_ISREG(info.st_mode)) {
    why = ReadFault::NotPlain;
  } else if (ownOnly && info.st_uid != ::geteuid()) {
    why = ReadFault::NoAccess;
  } else {
    std::vector<uint8_t> read(limit);
    size_t done = 0;
    while (done < limit) {
      const ssize_t n = ::read(fd, read.data() + done, limit - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) why = ReadFault::Failed;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    if (why == ReadFault::None) {
      read.resize(done);
      bytes = std::move(read);
    }
  }
  if (fd >= 0) ::close(fd);
  if (fault) *fault = why;
  return bytes;
}

constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

}  // namespace

std::optional<std::vector<uint8_t>> readPlainFile(const std::string& path, size_t limit,
                                                  ReadFault* fault) {
  return readOpened(::open(path.c_str(), kReadFlags), limit, false, fault);
}

std::optional<std::vector<uint8_t>> readPrivateFile(int folder, const std::string& name,
                                                    size_t limit) {
  return readOpened(::openat(folder, name.c_str(), kReadFlags | O_NOFOLLOW), limit, true, nullptr);
}

std::string absoluteFilePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

std::string canonicalFilePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
  return error ? absoluteFilePath(path) : canonical.string();
}

void failWritesBeyondTheSizeLimit() {
  ::signal(SIGXFSZ, SIG_IGN);
}

bool writeFileSafely(const std::string& path, std::span<const uint8_t> bytes) {
  namespace fs = std::filesystem;
  if (path.empty()) return false;
  std::error_code error;
  fs::path target(path);
  if (fs::is_symlink(target, error)) {
    target = fs::canonical(target, error);  // a dangling link fails here
    if (error) return false;
  }

  struct stat info {};
  mode_t mode = 0;
  if (::stat(target.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode) || !userMayWrite(target, info.st_mode)) return false;
    mode = info.st_mode & 07777;
  } else {
    if (errno != ENOENT) return false;
    mode = 0666 & ~currentUmask();
  }

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  struct stat folderInfo {};
  if (::stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode) ||
      !userMayWrite(folder, folderInfo.st_mode)) {
    return false;
  }

  // A short name of our own, so that no target name makes it too long and no file of the
  // user's can have it.
  std::string temporary = (folder / ".quorvel-XXXXXX").string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

bool writePrivateFile(int folder, const std::string& name, const std::string& temporary,
                      std::span<const uint8_t> bytes) {
  ::unlinkat(folder, temporary.c_str(), 0);  // what a failed write of this name left
  const int fd = ::openat(folder, temporary.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0;
  if (!ok) ::unlinkat(folder, temporary.c_str(), 0);
  return ok;
}

}  // namespace quorvel
