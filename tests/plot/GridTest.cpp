// The empty coordinate window: colours, lines and labels, and the title.

#include <gtest/gtest.h>

#include "PlotTestSupport.h"
#include "plot/GridDrawing.h"

namespace quorvel {
namespace {

using testing::RecordingTextPainter;
using testing::TextCall;

std::vector<std::pair<std::string, std::pair<int, int>>> labels(const RecordingTextPainter& text) {
  std::vector<std::pair<std::string, std::pair<int, int>>> result;
  for (const TextCall& call : text.calls)
    result.push_back({call.text, {call.x, call.y}});
  return result;
}

TEST(Grid, StartScale) {
  RecordingTextPainter text;
  Picture picture;
  const ScaleState scale;
  DrawGrid(picture, scale, text);
  // Axes at column and row 400; a major line every 200 pixels, minor ones every 40, light
  // ones between.
  EXPECT_EQ(picture.pixel(400, 123), kAxisLine);
  EXPECT_EQ(picture.pixel(123, 400), kAxisLine);
  EXPECT_EQ(picture.pixel(200, 7), kMajorLine);
  EXPECT_EQ(picture.pixel(0, 7), kMajorLine);
  EXPECT_EQ(picture.pixel(7, 800), kMajorLine);
  EXPECT_EQ(picture.pixel(240, 7), kMinorLine);
  EXPECT_EQ(picture.pixel(260, 7), kLightLine);
  EXPECT_EQ(picture.pixel(7, 260), kLightLine);
  EXPECT_EQ(picture.pixel(250, 250), kBackground);
  EXPECT_EQ(picture.pixel(240, 260), kMinorLine);  // later lines cross earlier ones
  EXPECT_EQ(labels(text),
            (std::vector<std::pair<std::string, std::pair<int, int>>>{{"10", {10, -15}},
                                                                      {"-5", {203, 780}},
                                                                      {"5", {10, 185}},
                                                                      {"0", {403, 780}},
                                                                      {"0", {10, 385}},
                                                                      {"5", {603, 780}},
                                                                      {"-5", {10, 585}},
                                                                      {"10", {803, 780}},
                                                                      {"X", {780, 780}},
                                                                      {"Y", {10, 0}}}));
  EXPECT_EQ(text.calls.back().height, 20);
  EXPECT_EQ(text.calls.back().colour, kAxisNameColour);
  EXPECT_EQ(text.calls.front().font, "arial");
  EXPECT_EQ(text.calls.front().height, 16);
}

TEST(Grid, ColoursHaveOddRedAndBackgroundEven) {
  for (Colour colour : {kLightLine, kAxisLine, kMajorLine, kMinorLine, kAxisNameColour}) {
    EXPECT_EQ(redOf(colour) % 2, 1);
  }
  EXPECT_EQ(redOf(kBackground) % 2, 0);
}

TEST(Grid, LabelsFollowTheScale) {
  RecordingTextPainter text;
  Picture picture;
  ScaleState scale;
  scale.scrollZoom(kZoomInX);  // 0,0125 per pixel: a label every 2,5
  scale.scrollZoom(kScrollRight);
  DrawGrid(picture, scale, text);
  // Column 400 shows 0,5; no vertical axis on screen; majors are multiples of 2,5.
  std::vector<std::string> vertical;
  for (const TextCall& call : text.calls) {
    if (call.y == 780 && call.text != "X") vertical.push_back(call.text);
  }
  EXPECT_EQ(vertical, (std::vector<std::string>{"-2,5", "0", "2,5", "5"}));
  EXPECT_EQ(picture.pixel(360, 3), kAxisLine);  // x = 0 at column 360
}

TEST(Grid, Title) {
  RecordingTextPainter text;
  Picture picture;
  EXPECT_TRUE(DrawTitle(picture, text, ""));
  EXPECT_TRUE(text.calls.empty());
  EXPECT_TRUE(DrawTitle(picture, text, "Parabool"));  // 8 characters of 8 + 1 pixels
  ASSERT_EQ(text.calls.size(), 1u);
  EXPECT_EQ(text.calls[0].x, (800 - 72) / 2);
  EXPECT_EQ(text.calls[0].y, 20);
  EXPECT_EQ(text.calls[0].height, 22);
  // 82 characters of 9 pixels are 738 wide: x = 31 still fits; 83 leave x = 26.
  text.calls.clear();
  EXPECT_TRUE(DrawTitle(picture, text, std::string(82, 'w')));
  EXPECT_FALSE(DrawTitle(picture, text, std::string(83, 'w')));
  EXPECT_EQ(text.calls.size(), 1u);
  // Characters, not bytes.
  EXPECT_TRUE(DrawTitle(picture, text, std::string(40, 'a') + "ééééé"));
}

class TitleInGraph : public testing::PlotTest {};

TEST_F(TitleInGraph, TooLongTextSaysSo) {
  ws.personalText = std::string(90, 'w');
  graph.RedrawAll();
  EXPECT_EQ(ws.MsgText, "tekst te lang");
}

}  // namespace
}  // namespace quorvel
