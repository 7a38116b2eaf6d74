// The coordinate window to assistive technology: a graphic named "grafiek" whose description
// is the picture in words, as it is when read, in the language in use.

#include <QAccessible>

#include "../shell/MainWindowTestSupport.h"
#include "qt/Translations.h"

namespace quorvel {
namespace {

class GraphAccessible : public testing::MainWindowTest {
 protected:
  QAccessibleInterface* graph() { return QAccessible::queryAccessibleInterface(window.GrafiekBox); }
  QString description() { return graph()->text(QAccessible::Description); }
};

TEST_F(GraphAccessible, AGraphicDescribedInWords) {
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

}  // namespace
}  // namespace quorvel
