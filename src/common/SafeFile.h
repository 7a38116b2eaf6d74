#pragma once
// Files as the program reads and writes them. Writing so that a failure never costs the user
// the file that was there before: the bytes go into a new file of a unique name in the
// target's folder, which replaces the target only when it is complete. Every file the program
// saves (pictures, graph files) goes here. Reading only what a plain file holds, never waiting
// on a pipe or a device.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvel {

// The message line's text for a save that failed.
inline constexpr const char* kWriteError = "schrijffout";

// Writes `bytes` as the file `path`. False when it could not: the folder is missing or
// read-only, the target is read-only or not a plain file, the disk is full, the name is
// too long. On failure the target is as it was and no other file has been touched. A
// replaced file keeps its permission bits; a new one gets the usual ones (0666 less the
// umask). A symbolic link is followed: the file it points to gets the new content.
bool writeFileSafely(const std::string& path, std::span<const uint8_t> bytes);

// Why a file could not be read.
enum class ReadFault { None, Missing, NoAccess, Folder, NotPlain, Failed };

// The first `limit` bytes (or fewer) of the plain file `path`; nothing when it cannot be read
// or is not a plain file (a folder, a pipe, a device): those are refused before anything is
// read from them, and opening them does not wait for a writer. `fault`, when given, tells why.
std::optional<std::vector<uint8_t>> readPlainFile(const std::string& path, size_t limit,
                                                  ReadFault* fault = nullptr);

// A file size limit ends a process that writes beyond it, unless it asks to be told by a
// failing write instead. The program asks once at its start, so that a save beyond the limit
// fails as on a full disk: "schrijffout", and the temporary file is gone.
void failWritesBeyondTheSizeLimit();

}  // namespace quorvel
