#pragma once
// The picture as a Windows bitmap file: 32 bits per pixel, rows bottom-up. The file is
// written next to its target and renamed over it only when complete, so a failed export
// never destroys an earlier file.

#include <string>

#include "plot/Picture.h"

namespace quorvel {

// False when the file could not be written (the target is then untouched).
bool writeBitmapFile(const Picture& picture, const std::string& path);

}  // namespace quorvel
