// The help page's mark-up drawn into a picture, its links and anchors, and the help text that
// comes with the program.

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "../plot/PlotTestSupport.h"
#include "help/HelpPage.h"

namespace quorvel {
namespace {

using testing::TextCall;

class HelpPageTest : public ::testing::Test {
 protected:
  testing::RecordingTextPainter text;
  HelpPage page{text};
  Picture picture{HelpPage::kWidth, HelpPage::kHeight};

  std::vector<TextCall> draw(std::vector<std::string> lines) {
    page.setText(std::move(lines));
    text.calls.clear();
    page.render(picture);
    return text.calls;
  }
};

TEST_F(HelpPageTest, FontsAndColours) {
  text.characterWidth = 10;  // each character advances trunc(1,1 x 10) + 1 = 12
  auto calls = draw({"a\\fhelp\\nb", "\\Hkop\\N \\IZ"});
  ASSERT_EQ(calls.size(), 11u);
  EXPECT_EQ(calls[0].x, 5);
  EXPECT_EQ(calls[0].y, 10);  // offset 5 in the first line's band
  EXPECT_EQ(calls[1].text, "h");
  EXPECT_EQ(calls[1].x, 17);
  EXPECT_TRUE(text.calls[1].font == "arial");
  EXPECT_EQ(calls[5].text, "b");
  EXPECT_EQ(calls[5].x, 5 + 5 * 12);
  // Capitals work as well: a heading in dark red, 25 high, no offset.
  EXPECT_EQ(calls[6].text, "k");
  EXPECT_EQ(calls[6].height, 25);
  EXPECT_EQ(calls[6].y, 30);
  EXPECT_EQ(calls[6].colour, fromBgr(0x0000A0));
  EXPECT_EQ(calls[10].text, "Z");
  EXPECT_EQ(calls[10].colour, fromBgr(0xFF0000));  // italic is blue
  EXPECT_EQ(calls[9].colour, kBlack);
}

TEST_F(HelpPageTest, TabsRaisedDigitsAndCourier) {
  text.characterWidth = 10;
  auto calls = draw({"\\tsin\\tsinus", "abcdefghijklmnopqrst\\tx", "0.2x\\p2\\n", "\\cmono\\s1"});
  EXPECT_EQ(calls[0].x, 100);  // "sin"
  EXPECT_EQ(calls[3].x, 200);  // "sinus"
  // After 20 characters x is 245: the tab goes to 300.
  EXPECT_EQ(calls[8 + 20].x, 300);
  const TextCall& two = calls[8 + 21 + 4];
  EXPECT_EQ(two.text, "2");
  EXPECT_EQ(two.height, 15);
  EXPECT_EQ(two.y, 55);  // raised: offset 0 in the third band (y 55)
  const TextCall& mono = calls[8 + 21 + 5];
  EXPECT_EQ(mono.font, "courier new");
  const TextCall& low = calls.back();
  EXPECT_EQ(low.text, "1");
  EXPECT_EQ(low.y, 80 + 12);  // subscript: offset 12
}

TEST_F(HelpPageTest, ButtonFramesAndMarking) {
  text.characterWidth = 10;
  draw({"\\[ laad \\[", "\\mgrijs\\n wit"});
  const Colour frame = fromBgr(0x707070);
  // Opening at 5: left edge at 10 and 11, from y + 3.
  EXPECT_EQ(picture.pixel(10, 5 + 10), frame);
  EXPECT_EQ(picture.pixel(11, 5 + 24), frame);
  // Six characters of 12 from 15: the top and bottom edges run to 87, then 5 more.
  EXPECT_EQ(picture.pixel(50, 5 + 1), frame);
  EXPECT_EQ(picture.pixel(50, 5 + 2), frame);
  EXPECT_EQ(picture.pixel(50, 5 + 23), frame);
  EXPECT_EQ(picture.pixel(50, 5 + 12), fromBgr(0xF0FFFF));
  EXPECT_EQ(picture.pixel(92, 5 + 10), frame);  // the right edge
  EXPECT_EQ(picture.pixel(93, 5 + 10), frame);
  EXPECT_EQ(picture.pixel(95, 5 + 10), fromBgr(0xF0FFFF));
  // Marking: grey behind the marked characters only.
  EXPECT_EQ(picture.pixel(10, 30 + 10), fromBgr(0xD8D8D8));
  EXPECT_EQ(picture.pixel(5 + 5 * 12 + 15, 30 + 10), fromBgr(0xF0FFFF));
}

TEST_F(HelpPageTest, LinksAndAnchors) {
  std::vector<std::string> lines = {"\\hInhoud", "\\@een;hoofdstuk een", "\\@twee; twee"};
  for (int i = 0; i < 40; ++i)
    lines.push_back("regel");
  lines.push_back("\\h\\#een;een");
  lines.push_back("\\h\\#twee;twee \\@een;terug");  // a link back to an anchor above it
  lines.push_back("\\@nergens;");
  draw(lines);
  const auto& links = page.links();
  ASSERT_EQ(links.size(), 4u);
  EXPECT_EQ(links[0].name, "een");
  EXPECT_EQ(links[0].linkLine, 1);
  EXPECT_EQ(links[0].anchorLine, 43);
  EXPECT_EQ(links[2].name, "een");
  EXPECT_EQ(links[2].linkLine, 44);
  EXPECT_EQ(links[2].anchorLine, 43);
  EXPECT_EQ(links[3].name, "nergens");
  EXPECT_EQ(links[3].anchorLine, 0);
  // The link marker of line 1 at x 5..24: a click there goes to the anchor's line.
  EXPECT_EQ(page.targetAt(10, 25 + 10), 43);
  EXPECT_EQ(page.targetAt(30, 25 + 10), 0);
  EXPECT_EQ(page.targetAt(5, 25 + 10), 0);  // the edge itself is outside
  EXPECT_EQ(page.scrollMaximum(), 46 - 31);
  page.topLine = 15;
  // Line 43 is on screen at row 28: its anchor marker goes back to the top.
  EXPECT_EQ(page.targetAt(10, 28 * 25 + 15), 1);
  // The markers are drawn in blue.
  page.topLine = 0;
  page.render(picture);
  EXPECT_EQ(picture.pixel(10, 25 + 5 + 8), fromBgr(0xFF0000));
  EXPECT_EQ(page.scrollMaximum(), 15);
  page.setText({"een", "twee"});
  EXPECT_EQ(page.scrollMaximum(), 0);
}

// The help text that comes with the program: every chapter of the contents, every link to an
// anchor of its own.
// Each help file: its contents first, every link landing on its anchor, every chapter linked,
// no line wider than the page. The English one has the same anchors as the Dutch one.
std::vector<std::string> linesOf(const char* path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << path;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::set<std::string> checkHelpText(const std::vector<std::string>& lines, const char* contents) {
  EXPECT_GT(lines.size(), 400u);
  EXPECT_NE(lines[0].find(contents), std::string::npos);
  testing::RecordingTextPainter text;
  HelpPage page(text);
  page.setText(lines);
  EXPECT_LE(page.links().size(), 50u);
  std::set<std::string> anchors;
  for (const auto& link : page.links()) {
    EXPECT_GT(link.anchorLine, 0) << "link without anchor: " << link.name;
    anchors.insert(link.name);
  }
  for (const char* chapter : {"quick", "form", "graph", "poly", "dot", "const", "set", "menu",
                              "keyb", "open", "other", "info"}) {
    bool linked = false;
    for (const auto& link : page.links())
      linked = linked || (link.name == chapter && link.anchorLine > 0);
    EXPECT_TRUE(linked) << "chapter without its link and anchor: " << chapter;
  }
  // No line runs off the 800 pixels of the page (with the widths of the real fonts as an
  // estimate of 11 pixels for a character).
  for (size_t i = 0; i < lines.size(); ++i) {
    int visible = 0;
    bool code = false;
    for (char c : lines[i]) {
      if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
      if (code) {
        code = false;
        continue;
      }
      if (c == '\\') {
        code = true;
        continue;
      }
      ++visible;
    }
    EXPECT_LE(visible, 70) << "line " << i << " is too long: " << lines[i];
  }
  return anchors;
}

TEST(HelpText, ChaptersLinksAndAnchors) {
  const std::set<std::string> dutch = checkHelpText(linesOf(QUORVEL_HELP_TEXT), "Inhoud");
  const std::set<std::string> english =
      checkHelpText(linesOf(QUORVEL_ENGLISH_HELP_TEXT), "Contents");
  EXPECT_EQ(english, dutch);
}

}  // namespace
}  // namespace quorvel
