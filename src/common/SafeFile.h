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

#include "common/Language.h"

namespace quorvel {

// The message line's text for a save that failed.
inline constexpr const char* kWriteError = QT_TRANSLATE_NOOP("quorvel", "schrijffout");

// Writes `bytes` as the file `path`. False when it could not: the folder is missing or
// read-only, the target is read-only or not a plain file, the disk is full, the name is
// too long. On failure the target is as it was and no other file has been touched. A
// replaced file keeps its permission bits; a new one gets the usual ones (0666 less the
// umask). A symbolic link is followed: the file it points to gets the new content, because
// the files saved here are the user's own, named in a dialog or on the command line, and a
// user who keeps a graph or a picture behind a link saves through it on purpose.
bool writeFileSafely(const std::string& path, std::span<const uint8_t> bytes);

// The program's private files, in a folder of its own open as `folder` (a descriptor): `name`
// written as above, through `temporary` (a name in the same folder), but readable and
// writable by the user alone (0600, whatever the umask) and never through a link: the
// temporary file is made new and the rename replaces a link at `name` itself, not what it
// points to.
bool writePrivateFile(int folder, const std::string& name, const std::string& temporary,
                      std::span<const uint8_t> bytes);
// The first `limit` bytes of the private file `name` in `folder`: a plain file of the user's,
// not reached through a link; nothing otherwise.
std::optional<std::vector<uint8_t>> readPrivateFile(int folder, const std::string& name,
                                                    size_t limit);

// Why a file could not be read.
enum class ReadFault { None, Missing, NoAccess, Folder, NotPlain, Failed };

// The first `limit` bytes (or fewer) of the plain file `path`; nothing when it cannot be read
// or is not a plain file (a folder, a pipe, a device): those are refused before anything is
// read from them, and opening them does not wait for a writer. `fault`, when given, tells why.
std::optional<std::vector<uint8_t>> readPlainFile(const std::string& path, size_t limit,
                                                  ReadFault* fault = nullptr);

// The path made absolute against the working folder, so that it names the same file wherever
// the program runs next; links are not resolved, so the name the user chose stays the name
// shown. "" stays "".
std::string absoluteFilePath(const std::string& path);
// The same, with every link and every "." and ".." resolved: one text for each file.
std::string canonicalFilePath(const std::string& path);

// A file size limit ends a process that writes beyond it, unless it asks to be told by a
// failing write instead. The program asks once at its start, so that a save beyond the limit
// fails as on a full disk: "schrijffout", and the temporary file is gone.
void failWritesBeyondTheSizeLimit();

}  // namespace quorvel
