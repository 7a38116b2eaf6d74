// The animated GIF read back by giflib's own decoder: frames, size, loop, delays and every
// pixel through each frame's colour table.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/Colour.h"
#include "common/Picture.h"
#include "common/SafeFile.h"
#include "GifReadBack.h"
#include "motion/AnimatedGif.h"

namespace quorvel {
namespace {

using Frame = std::vector<uint32_t>;
using testing::Decoded;

std::vector<uint8_t> encode(int width, int height, int delay, const std::vector<Frame>& frames) {
  AnimatedGif gif(width, height, delay);
  for (const Frame& frame : frames)
    gif.addFrame(frame.data());
  EXPECT_EQ(gif.frames(), static_cast<int>(frames.size()));
  const std::optional<std::vector<uint8_t>> bytes = gif.finish();
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or(std::vector<uint8_t>{});
}

// The program's picture as the motion draws it: a grid, a graph that moves with `step`, a
// caption; mostly background, a handful of pen colours.
Frame pictureFrame(int step) {
  Picture picture;
  picture.fillRect(0, 0, kPictureSize, kPictureSize, kWhite);
  picture.setPen(rgb(192, 192, 192), PenStyle::Dotted);
  for (int x = 0; x < kPictureSize; x += 50) {
    picture.moveTo(x, 0);
    picture.lineTo(x, kLastPixel);
  }
  picture.setPen(rgb(255, 0, 0));
  picture.moveTo(0, 400 + step * 7);
  for (int x = 10; x < kPictureSize; x += 10)
    picture.lineTo(x, 400 + ((x * (step + 3)) % 300));
  picture.fillRect(20, 20, 120 + step, 40, rgb(0, 0, 128 + step));
  Frame frame(picture.data(), picture.data() + kPictureSize * kPictureSize);
  // The alpha byte says nothing about the colour.
  for (size_t i = 0; i < frame.size(); i += 97)
    frame[i] &= 0x00FFFFFF;
  return frame;
}

Frame withoutAlpha(Frame frame) {
  for (uint32_t& pixel : frame)
    pixel &= 0xFFFFFF;
  return frame;
}

int squaredDistance(uint32_t a, uint32_t b) {
  const int dr = redOf(a) - redOf(b);
  const int dg = greenOf(a) - greenOf(b);
  const int db = blueOf(a) - blueOf(b);
  return dr * dr + dg * dg + db * db;
}

TEST(AnimatedGif, PicturesOfFewColoursComeBackExactly) {
  const std::vector<Frame> frames = {pictureFrame(0), pictureFrame(1), pictureFrame(2)};
  const std::vector<uint8_t> bytes = encode(kPictureSize, kPictureSize, 5, frames);
  ASSERT_GE(bytes.size(), 6u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");

  Decoded gif(bytes);
  ASSERT_TRUE(gif.ok());
  EXPECT_EQ(gif->SWidth, kPictureSize);
  EXPECT_EQ(gif->SHeight, kPictureSize);
  EXPECT_EQ(gif->SColorMap, nullptr);  // every frame has its own
  ASSERT_EQ(gif->ImageCount, 3);
  for (int i = 0; i < 3; ++i) {
    const GifImageDesc& desc = gif.image(i).ImageDesc;
    EXPECT_EQ(desc.Left, 0);
    EXPECT_EQ(desc.Top, 0);
    EXPECT_EQ(desc.Width, kPictureSize);
    EXPECT_EQ(desc.Height, kPictureSize);
    ASSERT_NE(desc.ColorMap, nullptr) << i;
    EXPECT_TRUE(gif.pixels(i) == withoutAlpha(frames[i])) << "frame " << i;
  }
}

TEST(AnimatedGif, ColourTablesArePowersOfTwoAndExactUpTo256Colours) {
  // {distinct colours, table size}
  const std::vector<std::pair<int, int>> cases = {{1, 2},     {2, 2},     {3, 4},    {5, 8},
                                                  {129, 256}, {255, 256}, {256, 256}};
  std::vector<Frame> frames;
  for (const auto& [colours, size] : cases) {
    Frame frame(40 * 30);
    for (size_t i = 0; i < frame.size(); ++i) {
      const int k = static_cast<int>((i * 7) % static_cast<size_t>(colours));
      // Every third pixel has another alpha, which makes no colour of its own.
      frame[i] = (i % 3 == 0 ? 0u : 0xFF000000u) | rgb(k, 255 - k, (k * 37) & 0xFF);
    }
    frames.push_back(frame);
  }
  const std::vector<uint8_t> bytes = encode(40, 30, 10, frames);
  Decoded gif(bytes);
  ASSERT_TRUE(gif.ok());
  ASSERT_EQ(gif->ImageCount, static_cast<int>(cases.size()));
  for (size_t i = 0; i < cases.size(); ++i) {
    const int frame = static_cast<int>(i);
    const ColorMapObject* map = gif.image(frame).ImageDesc.ColorMap;
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->ColorCount, cases[i].second) << cases[i].first << " colours";
    EXPECT_TRUE(gif.pixels(frame) == withoutAlpha(frames[i])) << cases[i].first << " colours";
  }
}

// 1000 colours along a gradient, shuffled over the frame; 256 of them, spread along it, are
// far more frequent than the rest.
struct Gradient {
  Frame frame;
  std::set<uint32_t> frequent;
};

Gradient gradientFrame(int width, int height) {
  Gradient g;
  std::vector<uint32_t> colours;
  for (int i = 0; i < 1000; ++i)
    colours.push_back(rgb(i / 4, (i % 4) * 60, 255 - i / 4));
  std::set<int> heavy;
  for (int k = 0; k < 256; ++k)
    heavy.insert(k * 1000 / 256);
  for (int i = 0; i < 1000; ++i) {
    const int times = heavy.count(i) != 0 ? 5 : 1;
    if (times > 1) g.frequent.insert(colours[i]);
    for (int t = 0; t < times; ++t)
      g.frame.push_back(0xFF000000u | colours[i]);
  }
  g.frame.resize(static_cast<size_t>(width) * height, 0xFF000000u | colours[0]);
  std::mt19937 random(12345);
  std::shuffle(g.frame.begin(), g.frame.end(), random);
  return g;
}

TEST(AnimatedGif, MoreThan256ColoursBecomeTheNearestOfTheMostFrequent) {
  const Gradient gradient = gradientFrame(48, 48);  // 2304 pixels, 1000 colours
  ASSERT_EQ(gradient.frequent.size(), 256u);
  // A frame of three colours after it: nothing of the gradient stays in its table.
  const Frame few(48 * 48, 0xFF000000u | rgb(1, 2, 3));
  Frame three = few;
  three[5] = rgb(200, 0, 0);
  three[77] = rgb(0, 200, 0);
  const std::vector<uint8_t> bytes = encode(48, 48, 4, {gradient.frame, three});

  Decoded gif(bytes);
  ASSERT_TRUE(gif.ok());
  ASSERT_EQ(gif->ImageCount, 2);
  EXPECT_EQ(gif.image(0).ImageDesc.ColorMap->ColorCount, 256);
  const Frame decoded = gif.pixels(0);
  for (size_t i = 0; i < decoded.size(); ++i) {
    const uint32_t original = gradient.frame[i] & 0xFFFFFF;
    ASSERT_EQ(gradient.frequent.count(decoded[i]), 1u) << std::hex << decoded[i];
    int best = INT_MAX;
    for (const uint32_t colour : gradient.frequent)
      best = std::min(best, squaredDistance(original, colour));
    ASSERT_EQ(squaredDistance(original, decoded[i]), best) << std::hex << original;
  }
  EXPECT_EQ(gif.image(1).ImageDesc.ColorMap->ColorCount, 4);
  EXPECT_TRUE(gif.pixels(1) == withoutAlpha(three));
}

TEST(AnimatedGif, TheSameFramesMakeTheSameBytes) {
  const Frame picture = pictureFrame(3);
  const std::vector<Frame> frames = {gradientFrame(64, 40).frame,
                                     Frame(picture.begin(), picture.begin() + 64 * 40)};
  const std::vector<uint8_t> first = encode(64, 40, 3, frames);
  const std::vector<uint8_t> second = encode(64, 40, 3, frames);
  ASSERT_FALSE(first.empty());
  EXPECT_TRUE(first == second);
}

TEST(AnimatedGif, LoopsForeverWithOneExtensionAfterTheScreen) {
  const Frame frame(8 * 8, 0xFF123456u);
  const std::vector<uint8_t> bytes = encode(8, 8, 10, {frame, frame, frame});
  // Header (6), screen descriptor (7, no global table), then the application extension.
  const std::vector<uint8_t> loop = {0x21, 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                                     'E',  '2',  '.', '0', 3,   1,   0,   0,   0};
  ASSERT_GE(bytes.size(), 13 + loop.size());
  EXPECT_TRUE(std::equal(loop.begin(), loop.end(), bytes.begin() + 13));
  Decoded gif(bytes);
  ASSERT_TRUE(gif.ok());
  EXPECT_EQ(gif->ImageCount, 3);
  EXPECT_EQ(gif.loopCounts(), std::vector<int>{0});
}

TEST(AnimatedGif, EveryFrameHasTheDelayAtLeastTwoCentiseconds) {
  // {asked, written}
  const std::vector<std::pair<int, int>> cases = {{0, 2},     {1, 2},  {2, 2},         {7, 7},
                                                  {250, 250}, {-5, 2}, {100000, 65535}};
  const Frame frame(4 * 3, 0xFF00FF00u);
  for (const auto& [asked, written] : cases) {
    const std::vector<uint8_t> bytes = encode(4, 3, asked, {frame, frame});
    Decoded gif(bytes);
    ASSERT_TRUE(gif.ok()) << asked;
    ASSERT_EQ(gif->ImageCount, 2);
    for (int i = 0; i < 2; ++i) {
      const GraphicsControlBlock control = gif.control(i);
      EXPECT_EQ(control.DelayTime, written) << "asked " << asked << ", frame " << i;
      EXPECT_EQ(control.TransparentColor, NO_TRANSPARENT_COLOR);
    }
  }
}

TEST(AnimatedGif, FinishingEndsTheFile) {
  const Frame frame(5 * 5, 0xFFFFFFFFu);
  AnimatedGif gif(5, 5, 10);
  EXPECT_EQ(gif.frames(), 0);
  gif.addFrame(frame.data());
  gif.addFrame(frame.data());
  EXPECT_EQ(gif.frames(), 2);
  const std::optional<std::vector<uint8_t>> bytes = gif.finish();
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->back(), ';');
  gif.addFrame(frame.data());
  EXPECT_EQ(gif.frames(), 2);
  EXPECT_FALSE(gif.finish().has_value());
  Decoded decoded(*bytes);
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(decoded->ImageCount, 2);
}

TEST(AnimatedGif, ASizeGifCannotHoldMakesNoFile) {
  for (const auto& [width, height] : {std::pair{0, 10}, {10, 0}, {-3, 4}, {65536, 1}}) {
    AnimatedGif gif(width, height, 10);
    EXPECT_FALSE(gif.finish().has_value()) << width << "x" << height;
  }
}

TEST(AnimatedGif, WritesTheFileOrSaysItCouldNot) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(::testing::TempDir()) / "animated-gif";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const Frame frame(16 * 16, 0xFF336699u);

  AnimatedGif missing(16, 16, 10);
  missing.addFrame(frame.data());
  EXPECT_FALSE(writeAnimatedGif(missing, (folder / "no-such-folder" / "motion.gif").string()));
  EXPECT_FALSE(fs::exists(folder / "no-such-folder"));

  AnimatedGif gif(16, 16, 10);
  gif.addFrame(frame.data());
  const std::string path = (folder / "motion.gif").string();
  ASSERT_TRUE(writeAnimatedGif(gif, path));
  const std::optional<std::vector<uint8_t>> saved = readPlainFile(path, 1 << 20);
  ASSERT_TRUE(saved.has_value());
  EXPECT_TRUE(*saved == encode(16, 16, 10, {frame}));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quorvel
