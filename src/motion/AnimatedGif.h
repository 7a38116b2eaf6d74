#pragma once
// The motion as an animated GIF: frames of the picture, one after the other, each shown for
// the same time, the whole repeated forever. Written as the frames come, so a long motion is
// never held in memory as pictures, only as the file it becomes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class AnimatedGif {
 public:
  // Frames of `width` x `height` pixels, each shown for `delayCentiseconds` (at least 2: see
  // AnimatedGif.cpp). A size outside 1..65535 makes a file that fails at finish().
  AnimatedGif(int width, int height, int delayCentiseconds);
  ~AnimatedGif();
  AnimatedGif(AnimatedGif&&) noexcept;
  AnimatedGif& operator=(AnimatedGif&&) noexcept;
  AnimatedGif(const AnimatedGif&) = delete;
  AnimatedGif& operator=(const AnimatedGif&) = delete;

  // Appends a frame: width*height pixels 0xFFRRGGBB, row by row (the alpha is ignored). Each
  // frame has a colour table of its own: its colours exactly when it has at most 256, else
  // its 256 most frequent and every other pixel in the nearest of those.
  void addFrame(const uint32_t* pixels);
  // The frames added so far.
  int frames() const;
  // The whole file, or nothing when it could not be made. Ends the file: afterwards
  // addFrame does nothing and finish() gives nothing.
  std::optional<std::vector<uint8_t>> finish();

 private:
  struct Encoder;
  std::unique_ptr<Encoder> encoder_;
};

// finish()es `gif` and saves the file as `path` with writeFileSafely; false on any failure
// (the target is then untouched).
bool writeAnimatedGif(AnimatedGif& gif, const std::string& path);

}  // namespace quorvel
