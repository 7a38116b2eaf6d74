// The constants in motion as the controller runs them: the menu entries and the key, one undo
// step for a whole drag and for a whole run, and "--> animatie" into a GIF whose frames carry
// the constant's value in the picture's corner.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ControllerTestSupport.h"
#include "motion/AnimationExport.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class MotionCommands : public testing::ControllerTest {
 protected:
  Motion& motion = ws.motion;

  void SetUp() override {
    ControllerTest::SetUp();
    plot("y=a*x");
    controller.commitStep();  // the plot is a step of its own
  }
};

TEST_F(MotionCommands, TheMenuAndTheKeyOpenTheWindow) {
  controller.executeCommand(Command::Motion);
  alt('F');
  alt('M');
  altRelease();
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"motion", "motion"}));
}

TEST_F(MotionCommands, ADragIsOneUndoStep) {
  const size_t steps = ws.history.undoSteps();
  motion.holdSlider();
  for (double fraction : {0.6, 0.7, 0.8, 0.9}) {
    motion.slideTo(0, fraction);
    controller.commitStep();  // every frame ends as every event does
  }
  EXPECT_EQ(ws.history.undoSteps(), steps);  // nothing while the slider is held
  motion.releaseSlider();
  controller.commitStep();
  EXPECT_EQ(ws.history.undoSteps(), steps + 1);
  EXPECT_EQ(ws.constants.a, 4);
  controller.undo();
  EXPECT_EQ(ws.constants.a, 0);  // back to before the drag, not to its last frame but one
  controller.redo();
  EXPECT_EQ(ws.constants.a, 4);
}

TEST_F(MotionCommands, ARunIsOneUndoStep) {
  const size_t steps = ws.history.undoSteps();
  motion.play();
  for (int frame = 0; frame < 5; ++frame) {
    motion.advance(0.1);
    controller.commitStep();
  }
  EXPECT_EQ(ws.history.undoSteps(), steps);
  motion.pause();
  controller.commitStep();
  EXPECT_EQ(ws.history.undoSteps(), steps + 1);
  EXPECT_NEAR(ws.constants.a, 1, 1e-12);  // half a second at two units a second
  controller.undo();
  EXPECT_EQ(ws.constants.a, 0);
}

TEST_F(MotionCommands, TheAnimationToAFile) {
  const fs::path folder = fs::temp_directory_path() / "quorvel-motion-commands";
  fs::remove_all(folder);
  fs::create_directories(folder);
  ws.constants.a = 1.5;
  graph.RedrawAll();
  const std::vector<uint32_t> before(picture.data(), picture.data() + 801 * 801);

  // Cancelled: nothing.
  controller.executeCommand(Command::AnimationToFile);
  EXPECT_TRUE(fs::is_empty(folder));

  shell.animationFile = ShellActions::AnimationFile{(folder / "a.gif").string(), 5};
  text.calls.clear();
  controller.executeCommand(Command::AnimationToFile);
  std::ifstream in(folder / "a.gif", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
  EXPECT_EQ(ws.MsgText, "");
  // Each frame's value in the top right corner, as the constants panel writes it, from "van"
  // to "tot".
  std::vector<std::string> labels;
  for (const testing::TextCall& call : text.calls) {
    if (call.text.rfind("a = ", 0) != 0) continue;
    labels.push_back(call.text);
    EXPECT_EQ(call.x + text.textWidth(call.text, {}), 800 - 6);
    EXPECT_EQ(call.y, 6);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"a = -5,0", "a = -2,5", "a = 0,0", "a = 2,5",
                                               "a = 5,0"}));
  // Afterwards the constant and the picture are as they were.
  EXPECT_EQ(ws.constants.a, 1.5);
  EXPECT_EQ(std::vector<uint32_t>(picture.data(), picture.data() + 801 * 801), before);

  // A folder that is not there: "schrijffout".
  shell.animationFile->path = (folder / "nergens" / "a.gif").string();
  controller.executeCommand(Command::AnimationToFile);
  EXPECT_EQ(ws.MsgText, kWriteError);
  fs::remove_all(folder);
}

TEST(ConstantLabels, AsThePanelWritesThem) {
  EXPECT_EQ(constantLabel(0, 1.25), "a = 1,25");
  EXPECT_EQ(constantLabel(1, -3), "b = -3,0");
  EXPECT_EQ(constantLabel(2, 2.0 / 3), "c = 0,6667");
}

}  // namespace
}  // namespace quorvel
