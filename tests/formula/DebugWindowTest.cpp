// The debug view of a translated formula, shown in the real main window while the debug mode
// is on.

#include "../shell/MainWindowTestSupport.h"

namespace quorvel {
namespace {

class TheDebugWindow : public testing::MainWindowTest {};

TEST_F(TheDebugWindow, DebugViewWhileDebugModeIsOn) {
  QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(message(), "debugMode switched ON");
  type("y=2x+1");
  enter();
  TdebugForm* debug = window.debugForm;
  ASSERT_TRUE(debug->isVisible());
  EXPECT_EQ(debug->windowTitle(), "debugForm");
  EXPECT_EQ(debug->size(), QSize(628, 560));
  EXPECT_EQ(debug->rows.workingText, "y=2x+1 ");
  EXPECT_EQ(debug->rows.postfix.size(), 4u);
  EXPECT_EQ(debug->rows.steps.size(), 3u);
  debug->hide();
}

}  // namespace
}  // namespace quorvel
