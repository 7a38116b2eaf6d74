// The picture as a bitmap file, read back pixel for pixel.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "PlotTestSupport.h"
#include "plot/BitmapFile.h"

namespace quorvel {
namespace {

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

class BitmapFile : public testing::PlotTest {};

TEST_F(BitmapFile, WritesThePictureAsItIs) {
  plot("y=sin(x)");
  plot("x^2+y^2=16", 2);
  ws.personalText = "titel";
  const std::string path = ::testing::TempDir() + "/picture.bmp";
  ASSERT_TRUE(writeBitmapFile(picture, path));
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), {});
  ASSERT_EQ(file.size(), 54u + 801u * 801u * 4u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(le32(file, 10), 54u);
  EXPECT_EQ(le32(file, 18), 801u);
  EXPECT_EQ(le32(file, 22), 801u);
  EXPECT_EQ(file[28], 32);
  for (int y = 0; y < 801; ++y) {
    for (int x = 0; x < 801; ++x) {
      const size_t at = 54 + (static_cast<size_t>(800 - y) * 801 + x) * 4;  // bottom-up
      ASSERT_EQ(rgb(file[at + 2], file[at + 1], file[at]), picture.pixel(x, y)) << x << "," << y;
    }
  }
  std::remove(path.c_str());
}

TEST_F(BitmapFile, AFailedWriteSaysSo) {
  EXPECT_FALSE(writeBitmapFile(picture, ::testing::TempDir() + "/no-such-folder/picture.bmp"));
}

}  // namespace
}  // namespace quorvel
