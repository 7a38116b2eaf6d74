#pragma once
// A GIF file decoded whole by giflib's own reader (DGifSlurp), for the tests that read back
// what the program wrote: frames, size, delays, loops and each frame's pixels.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/Colour.h"

namespace quorvel::testing {

struct Source {
  const std::vector<uint8_t>* bytes;
  size_t at = 0;
};

inline int readBytes(GifFileType* file, GifByteType* into, int length) {
  auto* source = static_cast<Source*>(file->UserData);
  const size_t count = std::min(static_cast<size_t>(length), source->bytes->size() - source->at);
  std::memcpy(into, source->bytes->data() + source->at, count);
  source->at += count;
  return static_cast<int>(count);
}

// A file decoded whole by giflib (DGifSlurp).
class Decoded {
 public:
  explicit Decoded(const std::vector<uint8_t>& bytes) : source_{&bytes} {
    int error = 0;
    file_ = DGifOpen(&source_, readBytes, &error);
    slurped_ = file_ != nullptr && DGifSlurp(file_) == GIF_OK;
  }
  ~Decoded() {
    if (file_ != nullptr) DGifCloseFile(file_, nullptr);
  }
  Decoded(const Decoded&) = delete;
  Decoded& operator=(const Decoded&) = delete;

  bool ok() const { return slurped_; }
  const GifFileType* operator->() const { return file_; }
  const SavedImage& image(int frame) const { return file_->SavedImages[frame]; }

  // The frame's pixels as 0xRRGGBB, each index looked up in the frame's own colour table.
  std::vector<uint32_t> pixels(int frame) const {
    const SavedImage& saved = image(frame);
    const ColorMapObject* map = saved.ImageDesc.ColorMap;
    const size_t count = static_cast<size_t>(saved.ImageDesc.Width) * saved.ImageDesc.Height;
    std::vector<uint32_t> out(count);
    for (size_t i = 0; i < count; ++i) {
      const int index = saved.RasterBits[i];
      if (index >= map->ColorCount) {
        ADD_FAILURE() << "index " << index << " beyond the table of " << map->ColorCount;
        return {};
      }
      const GifColorType& c = map->Colors[index];
      out[i] = rgb(c.Red, c.Green, c.Blue);
    }
    return out;
  }

  GraphicsControlBlock control(int frame) {
    GraphicsControlBlock block{};
    EXPECT_EQ(DGifSavedExtensionToGCB(file_, frame, &block), GIF_OK);
    return block;
  }

  // The loop counts of every NETSCAPE2.0 block in the file, in order.
  std::vector<int> loopCounts() const {
    std::vector<int> counts;
    const auto scan = [&counts](const ExtensionBlock* blocks, int count) {
      for (int i = 0; i + 1 < count; ++i) {
        const ExtensionBlock& name = blocks[i];
        const ExtensionBlock& data = blocks[i + 1];
        if (name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11 &&
            std::memcmp(name.Bytes, "NETSCAPE2.0", 11) == 0 &&
            data.Function == CONTINUE_EXT_FUNC_CODE && data.ByteCount == 3 && data.Bytes[0] == 1) {
          counts.push_back(data.Bytes[1] | (data.Bytes[2] << 8));
        }
      }
    };
    for (int i = 0; i < file_->ImageCount; ++i)
      scan(file_->SavedImages[i].ExtensionBlocks, file_->SavedImages[i].ExtensionBlockCount);
    scan(file_->ExtensionBlocks, file_->ExtensionBlockCount);
    return counts;
  }

 private:
  Source source_;
  GifFileType* file_ = nullptr;
  bool slurped_ = false;
};

}  // namespace quorvel::testing
