#include "plot/BitmapFile.h"

#include <cstdint>
#include <vector>

#include "common/SafeFile.h"

namespace quorvel {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

bool writeBitmapFile(const Picture& picture, const std::string& path) {
  const uint32_t width = static_cast<uint32_t>(picture.width());
  const uint32_t height = static_cast<uint32_t>(picture.height());
  const uint32_t pixelBytes = width * height * 4;
  constexpr uint32_t kHeaders = 14 + 40;

  std::vector<uint8_t> file;
  file.reserve(kHeaders + pixelBytes);
  file.push_back('B');
  file.push_back('M');
  put32(file, kHeaders + pixelBytes);
  put32(file, 0);
  put32(file, kHeaders);
  put32(file, 40);  // BITMAPINFOHEADER
  put32(file, width);
  put32(file, height);  // positive: rows bottom-up
  put16(file, 1);       // planes
  put16(file, 32);      // bits per pixel
  put32(file, 0);       // no compression
  put32(file, pixelBytes);
  put32(file, 3780);  // 96 dpi
  put32(file, 3780);
  put32(file, 0);
  put32(file, 0);
  for (int y = picture.height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Colour c = picture.pixel(x, y);
      file.push_back(static_cast<uint8_t>(blueOf(c)));
      file.push_back(static_cast<uint8_t>(greenOf(c)));
      file.push_back(static_cast<uint8_t>(redOf(c)));
      file.push_back(0);
    }
  }

  return writeFileSafely(path, file);
}

}  // namespace quorvel
