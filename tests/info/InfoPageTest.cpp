// The info pages: the frame of Lissajous figures, their colours, and the backquote mark-up.

#include <gtest/gtest.h>

#include "../plot/PlotTestSupport.h"
#include "info/InfoPage.h"

namespace quorvel {
namespace {

TEST(InfoPageFigures, ColoursAreTheBase3DigitsOfK) {
  EXPECT_EQ(InfoPage::figureColour(1), rgb(0xB0, 0, 0));
  EXPECT_EQ(InfoPage::figureColour(2), rgb(0xFF, 0, 0));
  EXPECT_EQ(InfoPage::figureColour(3), rgb(0, 0xB0, 0));
  EXPECT_EQ(InfoPage::figureColour(9), rgb(0, 0, 0xB0));
  EXPECT_EQ(InfoPage::figureColour(26), rgb(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(InfoPage::figureColour(16), rgb(0xB0, 0xFF, 0xB0));  // 16 = 121 in base 3
  for (int k = 1; k <= 26; ++k)
    EXPECT_NE(InfoPage::figureColour(k), kBlack) << k;
}

TEST(InfoPageFigures, SixteenFiguresAroundAGreyPanel) {
  testing::RecordingTextPainter text;
  // Parameters in a fixed order: a, b, c, k for every cell of the ring.
  std::vector<int> drawn;
  InfoPage::Random fixed = [&drawn](int low, int) {
    drawn.push_back(low);
    return low;
  };
  const Picture box = InfoPage::render(1, fixed, text, "9.9.9");
  EXPECT_EQ(drawn.size(), 16u * 4u);
  EXPECT_EQ(box.pixel(250, 250), rgb(0xC0, 0xC0, 0xC0));  // the panel
  EXPECT_EQ(box.pixel(0, 250), rgb(0xF0, 0xF0, 0xF0));    // the outer frame
  EXPECT_EQ(box.pixel(20, 250), kBlack);
  // With a = b = c = 1 and k = 1 every figure passes through its cell's centre + (0, 32).
  EXPECT_EQ(box.pixel(50, 50 + 32), rgb(0xB0, 0, 0));
  EXPECT_EQ(box.pixel(450, 450 + 32), rgb(0xB0, 0, 0));
  EXPECT_EQ(box.pixel(250, 50 + 32), rgb(0xB0, 0, 0));
  // Other parameters draw other figures.
  int calls = 0;
  InfoPage::Random other = [&calls](int, int high) { return ++calls % 4 == 0 ? 26 : high; };
  const Picture second = InfoPage::render(1, other, text, "9.9.9");
  EXPECT_NE(std::vector<uint32_t>(box.data(), box.data() + 500 * 500),
            std::vector<uint32_t>(second.data(), second.data() + 500 * 500));
}

TEST(InfoPageText, BackquoteCodes) {
  testing::RecordingTextPainter text;
  Picture box(500, 500);
  InfoPage::writeText(box, "version`t`f`v`x!/`lgroot//laag", text, "1.2.3");
  ASSERT_EQ(text.calls.size(), 7u + 1u + 1u + 5u + 4u);
  EXPECT_EQ(text.calls[0].text, "v");
  EXPECT_EQ(text.calls[0].x, 110);
  EXPECT_EQ(text.calls[0].y, 18 + 95);
  const auto& version = text.calls[7];
  EXPECT_EQ(version.text, "1.2.3");
  EXPECT_EQ(version.x, 200);  // 110 + 7 characters of 8 = 166: the next multiple of 100
  const auto& bang = text.calls[8];
  EXPECT_EQ(bang.text, "!");  // "`x" is dropped
  EXPECT_EQ(bang.x, 200 + 5 * 8);
  EXPECT_EQ(text.calls[9].y, 2 * 18 + 95);
  EXPECT_GT(text.calls[9].height, text.calls[0].height);   // "`l" larger
  EXPECT_EQ(text.calls[14].y, 4 * 18 + 95);                // "//": an empty line between
  EXPECT_EQ(text.calls[14].height, text.calls[0].height);  // a new line starts plain
  EXPECT_STREQ(InfoPage::caption(1), "over...");
  EXPECT_STREQ(InfoPage::caption(2), "status");
  EXPECT_STREQ(InfoPage::caption(3), "condities");
}

TEST(InfoPageText, EveryPageStaysOnThePanel) {
  testing::RecordingTextPainter text;
  text.characterWidth = 9;  // about the widest average of the page's font
  for (int page = 1; page <= 3; ++page) {
    text.calls.clear();
    Picture box(500, 500);
    InfoPage::writeText(box, InfoPage::text(page), text, "10.10.10");
    for (const auto& call : text.calls) {
      EXPECT_LE(call.x + text.textWidth(call.text, {}), 392)
          << "page " << page << ": " << call.text;
      EXPECT_LE(call.y + call.height, 392) << "page " << page;
    }
  }
  // The conditions name the licence.
  EXPECT_NE(InfoPage::text(3).find("GNU GPL,/versie 3 of later"), std::string::npos);
}

}  // namespace
}  // namespace quorvel
