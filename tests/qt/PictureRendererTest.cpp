// The picture drawn again from its record: at scale 1 exactly as the raster where the raster's
// rule is the renderer's too, as SVG and PDF documents that are valid, vector and searchable,
// through the menu, the printer and the command line, and sharp at a device pixel ratio of 2.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

#include "../shell/MainWindowTestSupport.h"
#include "common/PathText.h"
#include "qt/PictureImage.h"
#include "qt/PictureRenderer.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// Every kind of slot, points, a hatched area and a title, as a user makes them.
void drawEverything(Workspace& ws) {
  ws.startUp();
  const struct {
    const char* formula;
    double begin, end;
    int steps;
  } formulas[] = {{"y=sin(x)", 0, 0, 0},    {"y=d:x^3", 0, 0, 0},
                  {"x=y^2-5", 0, 0, 0},     {"y=sin(3v);x=cos(2v)", 0, 6.28, 500},
                  {"y=i:cos(x)", -5, 5, 0}, {"x^2+y^2=25", 0, 0, 0},
                  {"y=0,5x+1", 0, 0, 0},    {"y^2=x^3-x", 0, 0, 0}};
  int slot = 1;
  for (const auto& s : formulas) {
    ws.formulas.translateFormula(slot, s.formula);
    TFormule& f = ws.formulas.formulas[slot];
    f.domainBegin = s.begin;
    f.domainEnd = s.end;
    f.domainSteps = static_cast<uint16_t>(s.steps);
    ws.graph.PlotSlot(slot++);
  }
  ws.poly.cells = {"", "1", "-0,5", "0", "0,05"};
  ws.poly.StorePolyFromGrid(9);
  for (int i = 0; i < 12; ++i)
    ws.points.ClickPoint(60 + 60 * i, 300 + (i % 4) * 40, false);
  ws.personalText = "één grafiek";
  ws.graph.RedrawAll();
  ws.area.calculate(7, "-2", "3");
}

std::string contentsOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string run(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return "";
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    output.append(buffer, n);
  ::pclose(pipe);
  return output;
}

class PictureRenderer : public ::testing::Test {
 protected:
  QtTextPainter text;
  Workspace ws{text, 1};
  fs::path folder;

  void SetUp() override {
    drawEverything(ws);
    folder = fs::path(::testing::TempDir()) /
             (std::string("renderer-") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
};

// Replayed at scale 1 without smoothing, every pixel is the raster's but along the curves:
// their chains of segments become paths through the pixels' centres, which Qt rasterises by
// its own rule, not the picture's (a quarter of the pixels of an arbitrary line differ by one).
TEST_F(PictureRenderer, AtScaleOneAsTheRasterButAlongTheCurves) {
  const DisplayList& list = ws.graph.drawing;
  ASSERT_EQ(list.ops.front().kind, DisplayList::Kind::Rect);  // the record begins anew
  QImage replayed(kPictureSize, kPictureSize, QImage::Format_RGB32);
  replayed.fill(Qt::black);
  {
    QPainter painter(&replayed);
    replayDrawing(list, painter, kPictureSize, kPictureSize, false);
  }
  // Where the curves run, with a pixel around them.
  std::vector<bool> curve(kPictureSize * kPictureSize, false);
  auto near = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int px = x + dx, py = y + dy;
        if (px >= 0 && py >= 0 && px < kPictureSize && py < kPictureSize)
          curve[static_cast<size_t>(py) * kPictureSize + px] = true;
      }
    }
  };
  for (size_t i = 0; i < list.ops.size(); ++i) {
    const DisplayList::Op& op = list.ops[i];
    if (op.kind != DisplayList::Kind::Line || op.x0 == op.x1 || op.y0 == op.y1) {
      const bool chained = i + 1 < list.ops.size() &&
                           list.ops[i + 1].kind == DisplayList::Kind::Line &&
                           list.ops[i + 1].x0 == op.x1 && list.ops[i + 1].y0 == op.y1;
      const bool chainedBefore = i > 0 && list.ops[i - 1].kind == DisplayList::Kind::Line &&
                                 list.ops[i - 1].x1 == op.x0 && list.ops[i - 1].y1 == op.y0;
      if (op.kind != DisplayList::Kind::Line || !(chained || chainedBefore)) continue;
    }
    Picture::linePixels(op.x0, op.y0, op.x1, op.y1, near);
    near(op.x1, op.y1);
  }
  int compared = 0, differing = 0, curvePixels = 0;
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x) {
      if (curve[static_cast<size_t>(y) * kPictureSize + x]) {
        ++curvePixels;
        continue;
      }
      ++compared;
      if ((replayed.pixel(x, y) & 0xFFFFFF) != ws.graph.picture.pixel(x, y)) ++differing;
    }
  }
  EXPECT_GT(compared, 500000);
  EXPECT_LT(curvePixels, 100000);
  EXPECT_EQ(differing, 0) << "of " << compared << " pixels away from the curves";
  if (differing > 0) {
    QImage difference = replayed;
    for (int y = 0; y < kPictureSize; ++y) {
      for (int x = 0; x < kPictureSize; ++x) {
        const bool same = (replayed.pixel(x, y) & 0xFFFFFF) == ws.graph.picture.pixel(x, y);
        difference.setPixel(x, y, same ? 0xFFFFFFFF : 0xFFFF0000);
      }
    }
    difference.save(QString::fromStdString((folder / "../renderer-difference.png").string()));
    imageOf(ws.graph.picture)
        .save(QString::fromStdString((folder / "../renderer-raster.png").string()));
    replayed.save(QString::fromStdString((folder / "../renderer-replayed.png").string()));
  }
}

TEST_F(PictureRenderer, SvgAndPdfAreValidVectorAndSearchable) {
  const fs::path svg = folder / "grafiek.svg";
  const fs::path pdf = folder / "grafiek.pdf";
  {
    const std::vector<uint8_t> bytes = vectorBytes(ws.graph.drawing, false, ws.personalText);
    std::ofstream(svg, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  {
    const std::vector<uint8_t> bytes = vectorBytes(ws.graph.drawing, true, ws.personalText);
    std::ofstream(pdf, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  EXPECT_EQ(run("xmllint --noout '" + svg.string() + "' && echo valid"), "valid\n");
  const std::string document = contentsOf(svg);
  // A path for every curve: eight formula slots and the polynomial, more where a curve is cut
  // (a pole, the edge), and the implicit marks and points as paths of squares.
  const auto count = [&](const std::string& pattern) {
    const std::regex expression(pattern);
    return std::distance(std::sregex_iterator(document.begin(), document.end(), expression),
                         std::sregex_iterator());
  };
  EXPECT_GE(count("<path"), 9);
  EXPECT_GE(count("<text"), 8);  // the labels, "X", "Y" and the title
  for (const char* label :
       {">één grafiek</text>", ">X</text>", ">Y</text>", ">5</text>", ">-5</text>"})
    EXPECT_NE(document.find(label), std::string::npos) << label;
  // Every slot's own colour, exactly.
  for (int slot = 1; slot <= 9; ++slot) {
    const std::string colour = QColor::fromRgb(ws.slotColours[slot]).name().toStdString();
    EXPECT_NE(document.find(colour), std::string::npos) << slot << " " << colour;
  }

  const std::string info = run("pdfinfo '" + pdf.string() + "'");
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
  EXPECT_NE(info.find("801 x 801 pts"), std::string::npos) << info;
  const std::string fonts = run("pdffonts '" + pdf.string() + "'");
  EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
  // Every font embedded: the column "emb" (fifth from the end) of every font line.
  int fontLines = 0;
  std::istringstream lines(fonts);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::vector<std::string> columns{std::istream_iterator<std::string>(words), {}};
    if (columns.size() < 6 || columns[0] == "name" || columns[0].starts_with("---")) continue;
    ++fontLines;
    EXPECT_EQ(columns[columns.size() - 5], "yes") << line;
  }
  EXPECT_GE(fontLines, 1);
  EXPECT_NE(run("pdftotext '" + pdf.string() + "' -").find("één grafiek"), std::string::npos);
  // Drawn by poppler at one pixel a point: the picture, but for the smoothing of the curves.
  run("pdftoppm -png -r 72 -singlefile '" + pdf.string() + "' '" + (folder / "page").string() +
      "'");
  const QImage page(QString::fromStdString((folder / "page.png").string()));
  ASSERT_EQ(page.size(), QSize(kPictureSize, kPictureSize));
  int same = 0;
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x)
      same += (page.pixel(x, y) & 0xFFFFFF) == ws.graph.picture.pixel(x, y);
  }
  EXPECT_GT(same, kPictureSize * kPictureSize * 9 / 10);
}

// The title is the document's <title> and a text of the drawing. Whatever it holds, the SVG is
// well-formed, holds no element the renderer does not write, and reads back as the title
// without the characters XML cannot hold.
TEST_F(PictureRenderer, AnyTitleMakesAWellFormedSvgWithoutMarkupOfItsOwn) {
  std::string controls;
  for (char c = 1; c < 0x20; ++c)
    controls += c;
  const std::string titles[] = {
      "sin & cos",
      "</title><script>alert(1)</script><title>",
      "a<b>c]]>d\"e'f&amp;g&#0;",
      "x" + controls + "\x7f" + "y",
      "\xef\xbf\xbe\xef\xbf\xbf z \xf0\x9d\x9c\x8b",  // U+FFFE, U+FFFF and a letter beyond 16 bits
  };
  const auto elements = [](const std::string& document) {
    std::set<std::string> names;
    const std::regex tag("<([A-Za-z][A-Za-z0-9:_-]*)");
    for (auto it = std::sregex_iterator(document.begin(), document.end(), tag);
         it != std::sregex_iterator(); ++it)
      names.insert((*it)[1]);
    return names;
  };
  const auto svgOf = [&](const std::string& title) {
    ws.personalText = title;
    ws.graph.RedrawAll();
    const std::vector<uint8_t> bytes = vectorBytes(ws.graph.drawing, false, title);
    return std::string(bytes.begin(), bytes.end());
  };
  const std::set<std::string> written = elements(svgOf("grafiek"));
  for (const std::string& title : titles) {
    const fs::path svg = folder / "titel.svg";
    const std::string document = svgOf(title);
    std::ofstream(svg, std::ios::binary) << document;
    EXPECT_EQ(run("xmllint --noout '" + svg.string() + "' && echo valid"), "valid\n") << title;
    EXPECT_EQ(elements(document), written) << title;
    std::string expected;
    for (unsigned char c : title) {
      if (c >= 0x20 || c == '\t' || c == '\n') expected += static_cast<char>(c);
      if (c == '\r') expected += '\n';  // as every XML reader reads a line break
    }
    if (expected.find("\xef\xbf\xbe") != std::string::npos)
      expected = expected.substr(6);  // U+FFFE and U+FFFF left out
    EXPECT_EQ(run("xmllint --xpath \"string(/*[local-name()='svg']/*[local-name()='title'])\" '" +
                  svg.string() + "'"),
              expected + "\n")
        << title;
  }
}

// "snap" > "--> svg/pdf" in the real window, and "--> printer" to a PDF printer.
TEST(VectorCommands, FromTheMenuAndThePrinter) {
  QtTextPainter text;
  Workspace ws{text, 1};
  Controller controller(ws);
  TcontrolForm window(ws, controller);
  window.show();
  drawEverything(ws);
  const fs::path folder = fs::path(::testing::TempDir()) / "vector-commands";
  fs::remove_all(folder);
  fs::create_directories(folder);
  QTimer::singleShot(0, [&] {
    std::function<void()> answer = [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) {
        QTimer::singleShot(10, answer);
        return;
      }
      dialog->selectNameFilter("PDF (*.pdf)");
      dialog->selectFile(QString::fromStdString((folder / "werkblad").string()));
      static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
    };
    answer();
  });
  for (Qt::Key k : {Qt::Key_F10, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                    Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
    QTest::keyClick(&window, k);
  ASSERT_EQ(controller.menu.menuCursorId, 143);
  QTest::keyClick(&window, Qt::Key_Return);
  ASSERT_TRUE(fs::exists(folder / "werkblad.pdf"));  // the filter's extension
  EXPECT_NE(run("pdfinfo '" + (folder / "werkblad.pdf").string() + "'").find("Pages:           1"),
            std::string::npos);

  // Printing: the dialog answered by the test, the printer a PDF file of A4.
  window.printDialog = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((folder / "printed.pdf").string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    return true;
  };
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  const std::string info = run("pdfinfo '" + (folder / "printed.pdf").string() + "'");
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
  EXPECT_NE(info.find("595"), std::string::npos) << info;  // A4: 595 x 842 points
  EXPECT_NE(run("pdftotext '" + (folder / "printed.pdf").string() + "' -").find("één grafiek"),
            std::string::npos);
  fs::remove_all(folder);
}

// At a device pixel ratio of 2 the graph is drawn from the record: a grid line is two screen
// pixels of its own colour, and the curves have the half tones of smooth lines, which an
// enlarged raster, holding only the raster's own colours, cannot have.
TEST(SharpGraph, DrawnFromTheRecordAtRatioTwo) {
  QtTextPainter text;
  Workspace ws{text, 1};
  Controller controller(ws);
  TcontrolForm window(ws, controller);
  drawEverything(ws);
  QImage doubled(window.GrafiekBox->size() * 2, QImage::Format_RGB32);
  doubled.setDevicePixelRatio(2);
  window.GrafiekBox->render(&doubled);
  const Colour light = ws.graph.picture.pixel(20, 110);  // a light grid line at column 20
  EXPECT_EQ(doubled.pixel(40, 220) & 0xFFFFFF, light);
  EXPECT_EQ(doubled.pixel(41, 220) & 0xFFFFFF, light);
  EXPECT_NE(doubled.pixel(42, 220) & 0xFFFFFF, light);
  std::set<Colour> raster, smooth;
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x)
      raster.insert(ws.graph.picture.pixel(x, y));
  }
  for (int y = 0; y < doubled.height(); ++y) {
    for (int x = 0; x < doubled.width(); ++x) {
      const Colour c = doubled.pixel(x, y) & 0xFFFFFF;
      if (!raster.contains(c)) smooth.insert(c);
    }
  }
  EXPECT_GT(smooth.size(), 100u);
  // At a ratio of 1 the raster itself.
  QImage single(window.GrafiekBox->size(), QImage::Format_RGB32);
  window.GrafiekBox->render(&single);
  EXPECT_EQ(single.convertToFormat(QImage::Format_RGB32), imageOf(ws.graph.picture));
}

}  // namespace
}  // namespace quorvel
