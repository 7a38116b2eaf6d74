// The main window to assistive technology: the coordinate window a graphic named "grafiek"
// whose description is the picture in words, as it is when read, in the language in use; the
// colour box a group of nine radio buttons named by their slots, pressed to choose one.

#include <QAccessible>

#include "../shell/MainWindowTestSupport.h"
#include "qt/Translations.h"

namespace quorvel {
namespace {

class Accessible : public testing::MainWindowTest {
 protected:
  QAccessibleInterface* graph() { return QAccessible::queryAccessibleInterface(window.GrafiekBox); }
  QString description() { return graph()->text(QAccessible::Description); }
};

TEST_F(Accessible, TheGraphIsAGraphicDescribedInWords) {
  ASSERT_NE(graph(), nullptr);
  EXPECT_EQ(graph()->role(), QAccessible::Graphic);
  EXPECT_EQ(graph()->text(QAccessible::Name), "grafiek");
  EXPECT_EQ(description(), "x van -10,0 tot 10,0, y van -10,0 tot 10,0\ngeen grafieken");

  type("y=x^2-4");
  enter();
  EXPECT_TRUE(
      description().endsWith("vak 1, rood: functie y=x^2-4; 2 nulpunten: x = -2,0; "
                             "x = 2,0; 1 extreem: minimum x = 0,0, y = -4,0"))
      << description().toStdString();

  useLanguage(*QCoreApplication::instance(), Language::English);
  EXPECT_EQ(graph()->text(QAccessible::Name), "graph");
  EXPECT_TRUE(
      description().startsWith("x from -10.0 to 10.0, y from -10.0 to 10.0\n"
                               "slot 1, red: function y=x^2-4; 2 roots: x = -2.0"))
      << description().toStdString();
  useLanguage(*QCoreApplication::instance(), Language::Dutch);
}

TEST_F(Accessible, TheColourBoxIsNineSlotsToChooseFrom) {
  type("y=sin(x)");
  enter();
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(window.ColorBox);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(QAccessible::Name), "kleuren");
  ASSERT_EQ(box->childCount(), 9);
  QAccessibleInterface* first = box->child(0);
  QAccessibleInterface* third = box->child(2);
  EXPECT_EQ(first->role(), QAccessible::RadioButton);
  EXPECT_EQ(first->text(QAccessible::Name), "vak 1: y=sin(x)");
  EXPECT_EQ(third->text(QAccessible::Name), "vak 3: leeg");
  EXPECT_TRUE(first->state().checked);
  EXPECT_FALSE(third->state().checked);
  EXPECT_EQ(box->indexOfChild(third), 2);
  EXPECT_EQ(third->parent(), box);
  EXPECT_EQ(box->childAt(third->rect().center().x(), third->rect().center().y()), third);

  QAccessibleActionInterface* press = third->actionInterface();
  ASSERT_NE(press, nullptr);
  EXPECT_EQ(press->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
            QStringList{"F3"});
  press->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(ws.selection.selectedSlot, 3);
  EXPECT_TRUE(third->state().checked);
  EXPECT_FALSE(first->state().checked);
}

// The message line is a status bar named by its message. (Whether a screen reader hears each
// new one can only be seen on a running accessibility bus, which this test does not start.)
TEST_F(Accessible, TheMessageLineIsAStatusBar) {
  QAccessibleInterface* line = QAccessible::queryAccessibleInterface(window.MsgText);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->role(), QAccessible::StatusBar);
  type("y=x");
  enter();
  EXPECT_EQ(line->text(QAccessible::Name), "1 : OK");
  type("+(");
  enter();
  EXPECT_EQ(line->text(QAccessible::Name), message());
  EXPECT_NE(message(), "1 : OK");
}

}  // namespace
}  // namespace quorvel
