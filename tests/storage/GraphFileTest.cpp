// The graph file format: the writer's bytes against files put together by hand, the reader on
// good and on damaged files, and round trips over random states.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "HandWrittenFile.h"
#include "storage/Cp1252.h"
#include "storage/GraphFile.h"

namespace quorvel {
namespace {

using testing::HandWrittenFile;

// The contents of a workspace at start-up.
GraphFileContents startState() {
  GraphFileContents f;
  const uint32_t colours[] = {0x0000FF, 0x00FF01, 0xFFB051, 0xFF00FF, 0x010101,
                              0x818181, 0x000081, 0x00B0FF, 0xFFFF01};
  for (int slot = 1; slot <= 9; ++slot)
    f.colours[slot] = colours[slot - 1];
  f.stepIndex = 12;
  f.zoomLevelX = f.zoomLevelY = 9;
  f.hasColours = f.hasSettings = f.hasConstants = f.hasScale = true;
  f.title = "";
  return f;
}

GraphFileStatus read(const std::vector<uint8_t>& bytes, GraphFileContents& f) {
  return readGraphFile(bytes, f);
}
GraphFileStatus read(const std::vector<uint8_t>& bytes) {
  GraphFileContents f;
  return readGraphFile(bytes, f);
}

TEST(GraphFileWriter, WritesWhatTheFormatLaysOut) {
  GraphFileContents f = startState();
  EXPECT_EQ(writeGraphFile(f), HandWrittenFile().startRecords().end().bytes);
  EXPECT_EQ(writeGraphFile(f)->size(), 92u);

  // A formula record: 27 bytes for "y = x".
  f.slotRecords[3].kind = kSlotFunction;
  f.slotRecords[3].text = "y = x";
  EXPECT_EQ(writeGraphFile(f)->size(), 92u + 27u);
  // A polynomial record: 75 bytes; the records in the writer's order.
  f.slotRecords[1].kind = kSlotPolynomial;
  f.slotRecords[1].polynomial.coef[1] = 2;
  f.slotRecords[1].polynomial.degree = 1;
  f.slotRecords[2].kind = kSlotParametric;
  f.slotRecords[2].text = "y=sin(v);x=cos(v)";
  f.slotRecords[2].begin = 0;
  f.slotRecords[2].end = 6.28;
  f.slotRecords[2].steps = 300;
  f.pointCount = 2;
  f.points[1] = {1, -1};
  f.points[2] = {2.5, 3};
  f.title = "Grafiek € één";
  const std::vector<uint8_t> expected = HandWrittenFile()
                                            .startRecords()
                                            .point(1, 1, -1)
                                            .point(2, 2.5, 3)
                                            .formula(2, 3, "y=sin(v);x=cos(v)", 0, 6.28, 300)
                                            .formula(3, 1, "y = x")
                                            .polynomial(1, {0, 2}, 1)
                                            .title("Grafiek \x80 \xE9\xE9n")
                                            .end()
                                            .bytes;
  EXPECT_EQ(writeGraphFile(f), expected);
  EXPECT_EQ(expected.size(), 92u + 2 * 18 + 27 + 17 + 22 + 75 + 15);
}

// A text is one length byte and its bytes in the code page: 255 bytes fit, more are refused
// (the old writer cut them, and the file then read back another formula).
TEST(GraphFileWriter, RefusesATextLongerThanTheFileHolds) {
  GraphFileContents f = startState();
  SlotRecord& s = f.slotRecords[1];
  s.kind = kSlotFunction;
  std::string e255;
  for (int i = 0; i < 255; ++i)
    e255 += "ë";  // two bytes here, one in the code page
  s.text = e255;
  const std::optional<std::vector<uint8_t>> bytes = writeGraphFile(f);
  ASSERT_TRUE(bytes);
  GraphFileContents back;
  ASSERT_EQ(read(*bytes, back), GraphFileStatus::Ok);
  EXPECT_EQ(back.slotRecords[1].text, e255);

  s.text = "y=" + std::string(253, 'x');
  EXPECT_TRUE(writeGraphFile(f));
  s.text += "x";
  EXPECT_FALSE(writeGraphFile(f));
  s.text = e255 + "€";
  EXPECT_FALSE(writeGraphFile(f));

  s.text = "y=x";
  f.title = std::string(256, 't');
  EXPECT_FALSE(writeGraphFile(f));
  f.title = e255;
  EXPECT_TRUE(writeGraphFile(f));
}

TEST(GraphFileReader, ReadsAHandWrittenFile) {
  const auto bytes = HandWrittenFile()
                         .startRecords()
                         .point(1, -1, 1)
                         .point(2, 1, 1)
                         .formula(1, 1, "y=x^2")
                         .polynomial(2, {0, 2}, 1)
                         .title("titel \xE9")
                         .end()
                         .bytes;
  GraphFileContents f;
  ASSERT_EQ(read(bytes, f), GraphFileStatus::Ok);
  EXPECT_EQ(f.colours[1], 0x0000FFu);
  EXPECT_EQ(f.stepIndex, 12);
  EXPECT_EQ(f.zoomLevelY, 9);
  EXPECT_EQ(f.pointCount, 2);
  EXPECT_EQ(f.points[2].x, 1);
  EXPECT_EQ(f.slotRecords[1].kind, kSlotFunction);
  EXPECT_EQ(f.slotRecords[1].text, "y=x^2");
  EXPECT_EQ(f.slotRecords[2].kind, kSlotPolynomial);
  EXPECT_EQ(f.slotRecords[2].polynomial.coef[1], 2);
  EXPECT_EQ(f.slotRecords[3].kind, kSlotEmpty);
  EXPECT_EQ(f.title, "titel é");
  EXPECT_EQ(writeGraphFile(f), bytes);  // and saved back byte for byte
}

TEST(GraphFileReader, RecordsInAnyOrderTheLastOneCounts) {
  const auto bytes = HandWrittenFile()
                         .byte(200)  // unknown tags are skipped
                         .formula(4, 2, "x=y")
                         .byte(1)
                         .byte(1)
                         .byte(0)
                         .byte(1)
                         .polynomial(4, {7}, 0)  // the slot becomes a polynomial
                         .byte(1)
                         .byte(0)
                         .byte(1)
                         .byte(0)
                         .end()
                         .byte(0xFF)  // behind the end tag nothing is read
                         .bytes;
  GraphFileContents f;
  ASSERT_EQ(read(bytes, f), GraphFileStatus::Ok);
  EXPECT_FALSE(f.hasColours);
  EXPECT_TRUE(f.hasSettings);
  EXPECT_FALSE(f.degreesMode);
  EXPECT_TRUE(f.replaceMode);
  EXPECT_EQ(f.slotRecords[4].kind, kSlotPolynomial);
  EXPECT_TRUE(f.slotRecords[4].hasFormula);
  EXPECT_EQ(f.slotRecords[4].text, "x=y");
}

TEST(GraphFileReader, OnlyTheFirst5000BytesAreRead) {
  HandWrittenFile file;
  while (file.bytes.size() < 4999)
    file.byte(99);  // unknown tags
  file.end();
  ASSERT_EQ(file.bytes.size(), 5000u);
  EXPECT_EQ(read(file.bytes), GraphFileStatus::Ok);
  file.bytes.insert(file.bytes.end() - 1, 99);  // the end tag now lies at byte 5001
  EXPECT_EQ(read(file.bytes), GraphFileStatus::ReadError);
}

TEST(GraphFileReader, AForeignSignatureIsTheWrongType) {
  const std::vector<std::vector<uint8_t>> foreign = {
      {},
      {4, 'q', 'v'},
      {5, 'q', 'v', 'l', 'f', 'x', 8},
      {4, 'Q', 'V', 'L', 'F', 8},
      {'q', 'v', 'l', 'f', 8},
      {0x89, 'P', 'N', 'G'},
  };
  for (const auto& bytes : foreign)
    EXPECT_EQ(read(bytes), GraphFileStatus::WrongType) << bytes.size();
}

// Values that no file the program writes can hold.
TEST(GraphFileReader, RefusesWhatNoProgramWrites) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double inf = std::numeric_limits<double>::infinity();
  auto start = [] { return HandWrittenFile().startRecords(); };
  auto settings = [](unsigned a, unsigned b, unsigned c) {
    return HandWrittenFile().byte(1).byte(a).byte(b).byte(c).end().bytes;
  };
  auto polynomialWithKind = [](unsigned kind, unsigned degree) {
    HandWrittenFile file;
    file.byte(6).byte(1);
    for (int i = 0; i < 8; ++i)
      file.real(1);
    for (int i = 0; i < 8; ++i)
      file.byte(i == 0 ? kind : 0);
    return file.byte(degree).end().bytes;
  };
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
      {"slot 0", start().formula(0, 1, "y=x").end().bytes},
      {"slot 10", start().polynomial(10, {1}, 0).end().bytes},
      {"point index 0", start().point(0, 1, 1).end().bytes},
      {"point 2 first", start().point(2, 1, 1).end().bytes},
      {"point 1 twice", start().point(1, 1, 1).point(1, 2, 2).end().bytes},
      {"point 41",
       [&] {
         HandWrittenFile file = start();
         for (unsigned i = 1; i <= 41; ++i)
           file.point(i, i, 0);
         return file.end().bytes;
       }()},
      {"formula kind 0", start().formula(1, 0, "y=x").end().bytes},
      {"formula kind 5", start().formula(1, 5, "y=x").end().bytes},
      {"formula kind 8", start().formula(1, 8, "y=x").end().bytes},
      {"coefficient kind 4", polynomialWithKind(4, 2)},
      {"degree 8", polynomialWithKind(0, 8)},
      {"zoom 16", HandWrittenFile().byte(3).byte(16).byte(9).real(0).real(0).end().bytes},
      {"zoom y 16", HandWrittenFile().byte(3).byte(9).byte(16).real(0).real(0).end().bytes},
      {"step index 18", HandWrittenFile().byte(2).byte(18).real(0).real(0).real(0).end().bytes},
      {"angle 2", settings(2, 0, 0)},
      {"replace 2", settings(0, 2, 0)},
      {"autoplot 255", settings(0, 0, 255)},
      {"a NaN", HandWrittenFile().byte(2).byte(1).real(nan).real(0).real(0).end().bytes},
      {"c infinite", HandWrittenFile().byte(2).byte(1).real(0).real(0).real(-inf).end().bytes},
      {"centre infinite", HandWrittenFile().byte(3).byte(9).byte(9).real(inf).real(0).end().bytes},
      {"point NaN", start().point(1, 0, nan).end().bytes},
      {"bound NaN", start().formula(1, 3, "y=v;x=v", nan, 1, 10).end().bytes},
      {"coefficient infinite", start().polynomial(1, {0, inf}, 1).end().bytes},
      {"no end tag", start().bytes},
      {"a string beyond the end", HandWrittenFile().byte(7).byte(20).byte('x').bytes},
      {"title of 51 characters", HandWrittenFile().title(std::string(51, 't')).end().bytes},
  };
  for (const auto& [what, bytes] : damaged)
    EXPECT_EQ(read(bytes), GraphFileStatus::ReadError) << what;
}

TEST(GraphFileReader, EveryTruncationFails) {
  const auto bytes = HandWrittenFile()
                         .startRecords()
                         .point(1, 3, 4)
                         .formula(1, 1, "y=x^2")
                         .polynomial(2, {1, 2, 3}, 2)
                         .title("titel")
                         .end()
                         .bytes;
  ASSERT_EQ(read(bytes), GraphFileStatus::Ok);
  for (size_t length = 0; length < bytes.size(); ++length) {
    const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
    const GraphFileStatus status = read(cut);
    EXPECT_EQ(status, length < 5 ? GraphFileStatus::WrongType : GraphFileStatus::ReadError)
        << length;
  }
}

TEST(GraphFileReader, AboveTheDegreeNothingIsKept) {
  HandWrittenFile file;
  file.byte(6).byte(1);
  for (int i = 0; i < 8; ++i)
    file.real(i + 1);
  for (int i = 0; i < 8; ++i)
    file.byte(i == 5 ? 2 : 0);
  const auto bytes = file.byte(2).end().bytes;
  GraphFileContents f;
  ASSERT_EQ(read(bytes, f), GraphFileStatus::Ok);
  const TPolynoom& p = f.slotRecords[1].polynomial;
  EXPECT_EQ(p.coef[2], 3);
  EXPECT_EQ(p.coef[5], 0);
  EXPECT_EQ(p.kind[5], 0);
}

TEST(GraphFileRoundTrip, RandomStatesSaveLoadSaveTheSameBytes) {
  std::mt19937 random(99);
  auto number = [&] {
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    return std::uniform_int_distribution<int>(0, 3)(random) == 0 ? 0.0 : value(random);
  };
  auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
  auto text = [&](int length) {
    std::string s;
    for (int i = 0; i < length; ++i)
      s += static_cast<char>(upTo(94) + 32);
    return s;
  };
  for (int round = 0; round < 200; ++round) {
    GraphFileContents f = startState();
    for (int slot = 1; slot <= 9; ++slot)
      f.colours[slot] = static_cast<uint32_t>(upTo(0xFFFFFF));
    f.degreesMode = upTo(1);
    f.replaceMode = upTo(1);
    f.autoplotMode = upTo(1);
    f.stepIndex = static_cast<uint8_t>(upTo(17));
    f.a = number();
    f.b = number();
    f.c = number();
    f.zoomLevelX = static_cast<uint8_t>(upTo(15));
    f.zoomLevelY = static_cast<uint8_t>(upTo(15));
    f.centreX = number();
    f.centreY = number();
    f.pointCount = upTo(40);
    for (int i = 1; i <= f.pointCount; ++i)
      f.points[i] = {number(), number()};
    for (int slot = 1; slot <= 9; ++slot) {
      SlotRecord& s = f.slotRecords[slot];
      s.kind = static_cast<uint8_t>(upTo(5));
      if (isFormulaKind(s.kind)) {
        s.hasFormula = true;
        s.text = text(upTo(240));
        s.begin = number();
        s.end = number();
        s.steps = static_cast<uint16_t>(upTo(65535));
      } else if (s.kind == kSlotPolynomial) {
        s.hasPolynomial = true;
        s.polynomial.degree = static_cast<uint8_t>(upTo(7));
        for (int i = 0; i <= s.polynomial.degree; ++i) {
          s.polynomial.coef[i] = number();
          s.polynomial.kind[i] = static_cast<uint8_t>(upTo(3));
        }
      }
    }
    f.title = text(upTo(50));
    const std::vector<uint8_t> first = writeGraphFile(f).value();
    GraphFileContents loaded;
    ASSERT_EQ(read(first, loaded), GraphFileStatus::Ok) << round;
    ASSERT_EQ(writeGraphFile(loaded), first) << round;
  }
}

TEST(CodePage1252, ConvertsBothWays) {
  EXPECT_EQ(utf8ToCp1252("€ é ß Ÿ"), "\x80 \xE9 \xDF \x9F");
  EXPECT_EQ(utf8ToCp1252("→ 漢"), "? ?");  // not in the code page
  EXPECT_EQ(utf8ToCp1252("a\xFF"
                         "b\xC3"),
            "a?b?");  // not UTF-8
  EXPECT_EQ(cp1252ToUtf8("\x80 \xE9 \x9F"), "€ é Ÿ");
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(byte)), byte) << b;
  }
}

}  // namespace
}  // namespace quorvel
