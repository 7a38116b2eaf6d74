#pragma once
// The picture as a Windows bitmap file: 32 bits per pixel, rows bottom-up, saved so that a
// failed export never destroys an earlier file.

#include <string>

#include "common/Picture.h"

namespace quorvel {

// False when the file could not be written (the target is then untouched).
bool writeBitmapFile(const Picture& picture, const std::string& path);

}  // namespace quorvel
