// The built program run as a script runs it: `quorvel --export` on a graph file put together
// byte by byte, without a display; the pictures checked pixel by pixel. Besides, the workspace
// an export loads the file into.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>

#include "../motion/GifReadBack.h"
#include "../storage/HandWrittenFile.h"
#include "plot/ScaleState.h"
#include "qt/QtTextPainter.h"
#include "shell/CommandLine.h"
#include "shell/HeadlessExport.h"
#include "shell/Workspace.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class ExportCommand : public ::testing::Test {
 protected:
  fs::path folder;
  ScaleState scale;  // the file keeps the start scale

  void SetUp() override {
    folder =
        fs::path(::testing::TempDir()) /
        (std::string("export-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path write(const std::vector<uint8_t>& bytes, const std::string& name) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  // Exit status of the program with `arguments`, run without a display; `before` is shell
  // text in front of it (a limit, a time-out).
  int run(const std::string& arguments, const std::string& errors = "/dev/null",
          const std::string& before = "", const std::string& program = QUORVEL_BINARY) {
    // Dutch whatever this machine's language: the system's is the program's default.
    const std::string command = before +
                                "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE "
                                "-u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 '" +
                                program + "' " + arguments + " 2>" + errors + " >/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  static std::string contentsOf(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  QColor at(const QImage& image, double x, double y, int dy = 0) const {
    return image.pixelColor(scale.WorldToColumn(x), scale.WorldToRow(y) + dy);
  }
  bool curveAt(const QImage& image, double x, double y, QColor colour) const {
    for (int dy = -1; dy <= 1; ++dy) {
      if (at(image, x, y, dy) == colour) return true;
    }
    return false;
  }
};

TEST_F(ExportCommand, WritesThePictureAsPngAndBmp) {
  const fs::path file = write(testing::HandWrittenFile()
                                  .startRecords()
                                  .point(1, -2, 1)
                                  .point(2, 3, 2)
                                  .formula(1, 1, "y=x^2")
                                  .polynomial(2, {0, 2}, 1)
                                  .title("titel")
                                  .end()
                                  .bytes,
                              "graph.qvl");
  const fs::path png = folder / "graph.png";
  const fs::path bmp = folder / "graph.bmp";
  ASSERT_EQ(run("--export '" + png.string() + "' '" + file.string() + "'"), 0);
  ASSERT_EQ(run("--export '" + bmp.string() + "' '" + file.string() + "'"), 0);
  const QImage fromPng(QString::fromStdString(png.string()));
  const QImage fromBmp(QString::fromStdString(bmp.string()));
  ASSERT_EQ(fromPng.size(), QSize(801, 801));
  ASSERT_EQ(fromPng.convertToFormat(QImage::Format_RGB32),
            fromBmp.convertToFormat(QImage::Format_RGB32));

  const QColor red(0xFF, 0, 0);       // slot 1
  const QColor green(0x01, 0xFF, 0);  // slot 2
  EXPECT_TRUE(curveAt(fromPng, 2, 4, red));
  EXPECT_TRUE(curveAt(fromPng, -3, 9, red));
  EXPECT_TRUE(curveAt(fromPng, 2, 4, green));
  EXPECT_TRUE(curveAt(fromPng, -4, -8, green));
  const QColor mark(15, 15, 15);
  EXPECT_EQ(fromPng.pixelColor(scale.WorldToColumn(-2) + 3, scale.WorldToRow(1)), mark);
  EXPECT_EQ(fromPng.pixelColor(scale.WorldToColumn(3), scale.WorldToRow(2) - 4), mark);
}

TEST_F(ExportCommand, TheMotionOfAConstantAsAnAnimatedGif) {
  const fs::path file = write(
      testing::HandWrittenFile().startRecords().formula(1, 1, "y=a*x").end().bytes, "lijn.qvl");
  const fs::path gif = folder / "lijn.gif";
  ASSERT_EQ(
      run("--export '" + gif.string() + "' --animate a=-1..1.5 --frames 6 '" + file.string() + "'"),
      0);
  const std::string text = contentsOf(gif);
  const std::vector<uint8_t> bytes(text.begin(), text.end());
  testing::Decoded decoded(bytes);
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(decoded->SWidth, 801);
  EXPECT_EQ(decoded->SHeight, 801);
  ASSERT_EQ(decoded->ImageCount, 6);
  EXPECT_EQ(decoded.loopCounts(), std::vector<int>{0});  // loops forever
  const QColor red(0xFF, 0, 0);
  for (int frame = 0; frame < 6; ++frame) {
    EXPECT_EQ(decoded.control(frame).DelayTime, 83);  // 6 frames in 5 s
    // Frame k shows y = a x with a = -1 + k/2.
    const double a = -1 + 0.5 * frame;
    const std::vector<uint32_t> pixels = decoded.pixels(frame);
    const QImage image(reinterpret_cast<const uchar*>(pixels.data()), 801, 801,
                       QImage::Format_RGB32);
    EXPECT_TRUE(curveAt(image, 4, 4 * a, red)) << "frame " << frame;
  }
  // A file that does not load: 1, and nothing written.
  const fs::path none = folder / "niets.gif";
  EXPECT_EQ(run("--export '" + none.string() + "' --animate b=0..1 '" +
                (folder / "weg.qvl").string() + "'"),
            1);
  EXPECT_FALSE(fs::exists(none));
  // Usage errors: 2.
  for (const char* wrong : {"--animate d=0..1", "--animate a=1..1", "--animate a=0..1 --frames 1",
                            "--animate a=0..1 --frames 1001", ""}) {
    EXPECT_EQ(run("--export '" + none.string() + "' " + wrong + " '" + file.string() + "'"), 2)
        << wrong;
  }
  EXPECT_FALSE(fs::exists(none));
}

// --exact: the workspace of the export draws implicit slots by the exact method from before
// the file's slots are plotted, and the file's own settings leave it so.
TEST_F(ExportCommand, TheExactMethodReachesTheWorkspace) {
  const fs::path file =
      write(testing::HandWrittenFile().startRecords().formula(3, 4, "(x^2+y^2-1)^2=0").end().bytes,
            "cirkel.qvl");
  const fs::path png = folder / "cirkel.png";
  CommandLine line = parseCommandLine({"--export", png.string(), "--exact", file.string()});
  ASSERT_EQ(line.mode, CommandLine::Mode::Export) << line.error;
  QtTextPainter text;
  Workspace exact(text, 1);
  ASSERT_EQ(loadForExport(exact, line), Workspace::LoadStatus::Loaded);
  EXPECT_TRUE(exact.settings.exactImplicit);
  EXPECT_EQ(exact.formulas.slotKind[3], kSlotImplicit);
  line.exact = false;
  Workspace ordinary(text, 1);
  ASSERT_EQ(loadForExport(ordinary, line), Workspace::LoadStatus::Loaded);
  EXPECT_FALSE(ordinary.settings.exactImplicit);
  // The program takes it, once, wherever it stands among the options.
  EXPECT_EQ(run("--export '" + png.string() + "' --exact '" + file.string() + "'"), 0);
  EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), QSize(801, 801));
  const fs::path gif = folder / "cirkel.gif";
  EXPECT_EQ(run("--export '" + gif.string() + "' --animate a=0..1 --exact --frames 2 '" +
                file.string() + "'"),
            0);
  EXPECT_TRUE(fs::exists(gif));
  fs::remove(png);
  EXPECT_EQ(run("--export '" + png.string() + "' --exact --exact '" + file.string() + "'"), 2);
  EXPECT_FALSE(fs::exists(png));
}

// A circle that only touches zero, (x^2+y^2-1)^2 = 0: the ordinary export finds no change of
// sign and draws nothing of it; with --exact no pixel the circle passes through is left as it
// was, and nothing changes away from it.
TEST_F(ExportCommand, TheExactMethodDrawsACurveThatOnlyTouchesZero) {
  const fs::path file =
      write(testing::HandWrittenFile().startRecords().formula(3, 4, "(x^2+y^2-1)^2=0").end().bytes,
            "raak.qvl");
  const fs::path ordinaryPng = folder / "gewoon.png";
  const fs::path exactPng = folder / "exact.png";
  ASSERT_EQ(run("--export '" + ordinaryPng.string() + "' '" + file.string() + "'"), 0);
  ASSERT_EQ(run("--export '" + exactPng.string() + "' --exact '" + file.string() + "'"), 0);
  const QImage ordinary =
      QImage(QString::fromStdString(ordinaryPng.string())).convertToFormat(QImage::Format_RGB32);
  const QImage exact =
      QImage(QString::fromStdString(exactPng.string())).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(ordinary.size(), QSize(801, 801));
  ASSERT_EQ(exact.size(), QSize(801, 801));

  const QColor slot3(0x51, 0xB0, 0xFF);
  // Points of the circle between the axes' exact zeros, which the ordinary method marks.
  for (int k = 0; k < 72; ++k) {
    const double t = (k + 0.5) * std::numbers::pi / 36;
    const int column = scale.WorldToColumn(std::cos(t));
    const int row = scale.WorldToRow(std::sin(t));
    EXPECT_NE(ordinary.pixelColor(column, row), slot3) << k;
    EXPECT_NE(exact.pixel(column, row), ordinary.pixel(column, row)) << k;
  }
  // Four pixels or more away from the circle, the pictures are the same.
  int changed = 0;
  for (int row = 0; row < 801; ++row) {
    for (int column = 0; column < 801; ++column) {
      const double x = scale.columnWorldX[static_cast<size_t>(column)];
      const double y = scale.rowWorldY[static_cast<size_t>(row)];
      const double r = std::hypot(x, y);
      if (r > 0.9 && r < 1.1) continue;
      changed += exact.pixel(column, row) != ordinary.pixel(column, row);
    }
  }
  EXPECT_EQ(changed, 0);
}

TEST_F(ExportCommand, FailuresWriteNothing) {
  const fs::path out = folder / "out.png";
  const fs::path damaged =
      write(testing::HandWrittenFile().formula(1, 1, "y=x").point(2, 0, 0).end().bytes, "bad.qvl");
  const fs::path errors = folder / "errors.txt";
  EXPECT_EQ(run("--export '" + out.string() + "' '" + damaged.string() + "'", errors.string()), 1);
  auto message = [&errors] {
    std::ifstream in(errors);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(message(), "quorvel: " + damaged.string() + ": leesfout\n");
  const fs::path foreign = write({'G', 'I', 'F', '8'}, "foreign.qvl");
  EXPECT_EQ(run("--export '" + out.string() + "' '" + foreign.string() + "'", errors.string()), 1);
  EXPECT_EQ(message(), "quorvel: " + foreign.string() + ": fout type bestand\n");
  // The first fault of the file is named, as in the window's message line.
  const fs::path untranslatable = write(
      testing::HandWrittenFile().formula(1, 1, "y=sin(").title(std::string(50, 'W')).end().bytes,
      "formula.qvl");
  EXPECT_EQ(
      run("--export '" + out.string() + "' '" + untranslatable.string() + "'", errors.string()), 1);
  EXPECT_EQ(message(), "quorvel: " + untranslatable.string() + ": 1 :  (..) ongelijk\n");
  EXPECT_FALSE(fs::exists(out));
  // Usage errors, in the program's language.
  EXPECT_EQ(run("--export out.jpg '" + damaged.string() + "'", errors.string()), 2);
  EXPECT_EQ(message().rfind("quorvel: het plaatje eindigt niet op .png, .bmp, .svg, .pdf of .gif: "
                            "out.jpg\ngebruik: quorvel [BESTAND.qvl]\n",
                            0),
            0u)
      << message();
  EXPECT_EQ(run("--lang en --export out.jpg '" + damaged.string() + "'", errors.string()), 2);
  EXPECT_EQ(message().rfind("quorvel: the picture does not end in .png, .bmp, .svg, .pdf or .gif: "
                            "out.jpg\nusage: quorvel [FILE.qvl]\n",
                            0),
            0u)
      << message();
  EXPECT_EQ(run("--bogus --lang en", errors.string()), 2);
  EXPECT_EQ(message().rfind("quorvel: unknown option --bogus\nusage:", 0), 0u) << message();
  EXPECT_EQ(run("--export"), 2);
  EXPECT_EQ(run("--version"), 0);
  EXPECT_EQ(run("--help"), 0);
}

// Why a graph file could not be read: missing, unreadable, a folder.
TEST_F(ExportCommand, SaysWhyAFileCannotBeRead) {
  const fs::path out = folder / "out.png";
  const fs::path errors = folder / "errors.txt";
  const fs::path missing = folder / "missing.qvl";
  EXPECT_EQ(run("--export '" + out.string() + "' '" + missing.string() + "'", errors.string()), 1);
  EXPECT_EQ(contentsOf(errors),
            "quorvel: " + missing.string() + ": leesfout (bestand bestaat niet)\n");
  EXPECT_EQ(run("--export '" + out.string() + "' '" + folder.string() + "'", errors.string()), 1);
  EXPECT_EQ(contentsOf(errors), "quorvel: " + folder.string() + ": leesfout (is een map)\n");
  // No permission to read. The system's administrator reads everything, so as root a copy
  // of the program runs as the user "nobody" (in a folder open to everyone: the build's own
  // folders may not be), the file readable by no one.
  const fs::path locked =
      write(testing::HandWrittenFile().formula(1, 1, "y=x").end().bytes, "locked.qvl");
  ::chmod(locked.c_str(), 0);
  ::chmod(folder.c_str(), 0777);
  const fs::path shared = folder / "errors-of-nobody.txt";
  std::string before;
  fs::path program = QUORVEL_BINARY;
  if (::geteuid() == 0) {
    program = folder / "quorvel";
    fs::copy_file(QUORVEL_BINARY, program);
    std::ofstream(shared).flush();
    ::chmod(shared.c_str(), 0666);
    before = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  }
  EXPECT_EQ(run("--export '" + out.string() + "' '" + locked.string() + "'", shared.string(),
                before, program.string()),
            1);
  EXPECT_EQ(contentsOf(shared), "quorvel: " + locked.string() + ": leesfout (geen toegang)\n");
  EXPECT_FALSE(fs::exists(out));
}

// SVG and PDF without a display: vector documents of the same picture.
TEST_F(ExportCommand, WritesSvgAndPdf) {
  const fs::path file = write(testing::HandWrittenFile()
                                  .startRecords()
                                  .formula(1, 1, "y=x^2")
                                  .formula(2, 4, "x^2+y^2=16")
                                  .title("titel")
                                  .end()
                                  .bytes,
                              "graph.qvl");
  const fs::path svg = folder / "graph.svg";
  const fs::path pdf = folder / "graph.pdf";
  ASSERT_EQ(run("--export '" + svg.string() + "' '" + file.string() + "'"), 0);
  ASSERT_EQ(run("--export '" + pdf.string() + "' '" + file.string() + "'"), 0);
  const std::string document = contentsOf(svg);
  EXPECT_EQ(document.rfind("<?xml", 0), 0u);
  EXPECT_NE(document.find(">titel</text>"), std::string::npos);
  EXPECT_NE(document.find("#ff0000"), std::string::npos);  // slot 1's red
  EXPECT_EQ(contentsOf(pdf).rfind("%PDF", 0), 0u);
  // A folder that cannot be written: the message, and no file.
  const fs::path errors = folder / "errors.txt";
  const fs::path nowhere = folder / "missing" / "graph.pdf";
  EXPECT_EQ(run("--export '" + nowhere.string() + "' '" + file.string() + "'", errors.string()), 1);
  EXPECT_EQ(contentsOf(errors), "quorvel: " + nowhere.string() + ": schrijffout\n");
  // In English by --lang, and by the system's language.
  EXPECT_EQ(
      run("--lang en --export '" + nowhere.string() + "' '" + file.string() + "'", errors.string()),
      1);
  EXPECT_EQ(contentsOf(errors), "quorvel: " + nowhere.string() + ": write error\n");
  const std::string english =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL "
      "-u LC_MESSAGES LANGUAGE=en_GB:nl LANG=nl_NL.UTF-8 '" QUORVEL_BINARY "' --export '" +
      nowhere.string() + "' '" + file.string() + "' 2>" + errors.string();
  EXPECT_NE(std::system(english.c_str()), 0);
  EXPECT_EQ(contentsOf(errors), "quorvel: " + nowhere.string() + ": write error\n");
}

// A region in a vector document: rows of one colour as filled shapes, not a shape a pixel; a
// polar curve as lines.
TEST_F(ExportCommand, RegionsAndPolarCurvesInSvg) {
  const fs::path file = write(testing::HandWrittenFile()
                                  .startRecords()
                                  .formula(2, 6, "x^2+y^2<=16")
                                  .formula(3, 7, "r=2+cos(3v)", 0, 6.28318530717959, 720)
                                  .end()
                                  .bytes,
                              "regions.qvl");
  const fs::path svg = folder / "regions.svg";
  ASSERT_EQ(run("--export '" + svg.string() + "' '" + file.string() + "'"), 0);
  const std::string document = contentsOf(svg);
  size_t rects = 0;
  for (size_t at = document.find("<rect"); at != std::string::npos;
       at = document.find("<rect", at + 1)) {
    ++rects;
  }
  // The disc's 50,000 pixels as some 400 rows, cut where the grid shows through the tint,
  // and its boundary.
  EXPECT_GT(rects, 2000u);
  EXPECT_LT(rects, 20000u);
  EXPECT_NE(document.find("<path"), std::string::npos);  // the curve's lines
}

// A named pipe as the graph file: refused at once, never waited on.
TEST_F(ExportCommand, APipeIsNoGraphFile) {
  const fs::path pipe = folder / "pipe.qvl";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const fs::path errors = folder / "errors.txt";
  EXPECT_EQ(run("--export '" + (folder / "out.png").string() + "' '" + pipe.string() + "'",
                errors.string(), "timeout 20 "),
            1);
  EXPECT_EQ(contentsOf(errors), "quorvel: " + pipe.string() + ": leesfout (geen gewoon bestand)\n");
}

// A file size limit fails the write as a full disk does: no signal ends the program, the
// message says so, and nothing is left behind.
TEST_F(ExportCommand, AFileSizeLimitFailsTheWrite) {
  const fs::path file = write(testing::HandWrittenFile().formula(1, 1, "y=x").end().bytes, "g.qvl");
  const fs::path out = folder / "out.png";
  const fs::path errors = folder / "errors.txt";
  EXPECT_EQ(run("--export '" + out.string() + "' '" + file.string() + "'", errors.string(),
                "ulimit -f 1; "),
            1);
  EXPECT_EQ(contentsOf(errors), "quorvel: " + out.string() + ": schrijffout\n");
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"errors.txt", "g.qvl"}));
}

}  // namespace
}  // namespace quorvel
