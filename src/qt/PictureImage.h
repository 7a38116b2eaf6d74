#pragma once
// The picture as Qt sees it: a QImage over the same pixels, and the picture as PNG bytes.

#include <QImage>
#include <cstdint>
#include <vector>

#include "common/Picture.h"

namespace quorvel {

// Wraps the pixels without copying; valid while the picture lives and keeps its size.
QImage imageOf(const Picture& picture);

std::vector<uint8_t> pngBytes(const Picture& picture);

}  // namespace quorvel
