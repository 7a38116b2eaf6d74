// While another window of the program disables the main window, the main window takes no
// keys and no mouse commands at all, whatever reaches it, and no modal window opens over the
// one that is open.

#include "MainWindowTestSupport.h"

namespace quorvel {
namespace {

class DisabledMainWindow : public testing::MainWindowTest {
 protected:
  // Keys and clicks straight at the main window and its controls, as a window manager that
  // gives the disabled window the focus delivers them.
  void tryEverything() {
    auto keyAtWindow = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
      QTest::keyClick(&window, key, modifiers);
    };
    for (char c : std::string_view("y=x"))
      QTest::keyClick(&window, c);
    keyAtWindow(Qt::Key_Return);
    keyAtWindow(Qt::Key_F3);
    keyAtWindow(Qt::Key_F10);
    keyAtWindow(Qt::Key_Escape);
    withAltAt(&window, {Qt::Key_F, Qt::Key_S});  // clear every graph
    // The help window runs its own event loop: should it open, it is counted and closed
    // there, as no key or click of the user could.
    QTimer watch;
    watch.callOnTimeout([this] {
      if (window.helpform6->isVisible()) {
        ++helpOpened;
        window.helpform6->done(0);
      }
    });
    watch.start(20);
    withAltAt(&window, {Qt::Key_H});
    watch.stop();
    withAltAt(&window, {Qt::Key_R});
    QTest::mouseClick(window.GrafiekBox, Qt::LeftButton, {}, {400, 400});  // a point
    QTest::mouseClick(window.clearBtn, Qt::LeftButton);
    QTest::mouseClick(window.ColorBox, Qt::LeftButton, {}, {75, 75});
    QTest::mousePress(window.Atext, Qt::LeftButton);  // a + 1
    QTest::mouseRelease(window.Atext, Qt::LeftButton);
    move(window.ColorBox, {45, 45});
  }
  int helpOpened = 0;
  void withAltAt(QWidget* target, std::initializer_list<Qt::Key> keys) {
    auto send = [target](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
      QKeyEvent event(type, key, modifiers);
      QApplication::sendEvent(target, &event);
    };
    send(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    for (Qt::Key key : keys) {
      send(QEvent::KeyPress, key, Qt::AltModifier);
      send(QEvent::KeyRelease, key, Qt::AltModifier);
    }
    send(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  }
};

TEST_F(DisabledMainWindow, TakesNothingWhileAnotherWindowIsOpen) {
  type("y=2x");
  enter();
  ASSERT_EQ(ws.formulas.slotKind[1], kSlotFunction);
  const struct {
    const char* name;
    std::function<void()> open;
    QWidget* form;
  } windows[] = {
      {"points table", [this] { withAlt({Qt::Key_Period}); }, window.puntenForm},
      {"value table", [this] { withAlt({Qt::Key_W}); }, window.tabelForm},
      {"area",
       [this] {
         withAlt({Qt::Key_F, Qt::Key_O});
       },
       window.AreaForm},
      {"colours", [this] { withAlt({Qt::Key_K}); }, window.kleurenForm},
      {"analysis list",
       [this] {
         withAlt({Qt::Key_F, Qt::Key_N});
       },
       window.analyseForm},
      {"tangent",
       [this] {
         withAlt({Qt::Key_F, Qt::Key_T});
       },
       window.raaklijnForm},
      {"info", [this] { controller.executeCommand(Command::About); }, window.infoForm},
      {"v-domain",
       [this] {
         selectSlot(2);
         click(window.clearBtn);
         type("y=sin(v);x=v");
         enter();
       },
       window.VdomainForm},
      {"x-domain",
       [this] {
         selectSlot(3);
         click(window.clearBtn);
         type("y=i:x");
         enter();
       },
       window.XdomainForm},
  };
  for (const auto& w : windows) {
    selectSlot(1);
    w.open();
    QApplication::processEvents();
    ASSERT_TRUE(w.form->isVisible()) << w.name;
    ASSERT_FALSE(window.isEnabled()) << w.name;
    const std::string box = ws.editor.fedGetText();
    const int slot = ws.selection.selectedSlot;
    const Picture& picture = ws.graph.picture;
    const std::vector<uint32_t> pixels(picture.data(), picture.data() + 801 * 801);

    tryEverything();
    QApplication::processEvents();
    EXPECT_EQ(ws.editor.fedGetText(), box) << w.name;
    EXPECT_EQ(ws.selection.selectedSlot, slot) << w.name;
    EXPECT_EQ(ws.formulas.slotKind[1], kSlotFunction) << w.name;
    EXPECT_EQ(ws.points.pointCount, 0) << w.name;
    EXPECT_EQ(ws.constants.a, 0) << w.name;
    EXPECT_FALSE(controller.menu.menuKeyboardActive) << w.name;
    EXPECT_EQ(helpOpened, 0) << w.name;
    helpOpened = 0;
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), picture.data())) << w.name;

    w.form->hide();
    window.setEnabled(true);
    QApplication::processEvents();
  }
}

}  // namespace
}  // namespace quorvel
