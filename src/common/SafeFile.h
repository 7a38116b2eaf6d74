#pragma once
// Writing a file so that a failure never costs the user the file that was there before: the
// bytes go into a new file of a unique name in the target's folder, which replaces the target
// only when it is complete. Every file the program saves (pictures, graph files) goes here.

#include <cstdint>
#include <span>
#include <string>

namespace quorvel {

// The message line's text for a save that failed.
inline constexpr const char* kWriteError = "schrijffout";

// Writes `bytes` as the file `path`. False when it could not: the folder is missing or
// read-only, the target is read-only or not a plain file, the disk is full, the name is
// too long. On failure the target is as it was and no other file has been touched. A
// replaced file keeps its permission bits; a new one gets the usual ones (0666 less the
// umask). A symbolic link is followed: the file it points to gets the new content.
bool writeFileSafely(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace quorvel
