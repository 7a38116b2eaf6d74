// The info pages opened through the menu and their commands in the real main window.

#include "../shell/MainWindowTestSupport.h"

namespace quorvel {
namespace {

class TheInfoWindow : public testing::MainWindowTest {};

TEST_F(TheInfoWindow, InfoPages) {
  TinfoForm* info = window.infoForm;
  TsubMenu* titles = window.menuBar->panels[0]->control;
  move(titles, {4 * 90 + 10, 10});
  click(titles, {4 * 90 + 10, 10});  // "info"
  TsubMenu* list = window.menuBar->panels[1]->control;
  move(list, {10, 10});
  click(list, {10, 10});  // "over ..."
  ASSERT_TRUE(info->isVisible());
  EXPECT_EQ(info->windowTitle(), "over...");
  EXPECT_EQ(info->size(), QSize(517, 567));
  EXPECT_FALSE(window.isEnabled());
  key(Qt::Key_Escape);
  EXPECT_FALSE(info->isVisible());
  EXPECT_TRUE(window.isEnabled());
  controller.executeCommand(Command::Conditions);
  EXPECT_EQ(info->windowTitle(), "condities");
  info->hide();
}

}  // namespace
}  // namespace quorvel
