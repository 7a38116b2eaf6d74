// The language switched while the program runs. Every window in both languages: opened in
// Dutch, switched to English while it is open and back, and opened in English. Each visible
// text of a window (labels, buttons, group boxes, table cells, titles, tooltips; not the
// fields, which hold what the user typed) is a text of the language in use, fits its control,
// and comes back exactly as it was after the switch there and back.

#include <QFile>
#include <QFontMetrics>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <map>
#include <set>

#include "../shell/MainWindowTestSupport.h"
#include "common/Language.h"
#include "info/InfoPage.h"
#include "menu/Menu.h"
#include "motion/MotionWindow.h"
#include "qt/Translations.h"

namespace quorvel {
namespace {

// The table the English translations are filled from: Dutch source, tab, English.
struct Texts {
  std::set<QString> dutch, english;
  std::vector<QRegularExpression> dutchForms, englishForms;  // texts with %1, %2, %3
};

QRegularExpression formOf(const QString& text) {
  QStringList pieces = text.split(QRegularExpression("%[1-9]"));
  for (QString& piece : pieces)
    piece = QRegularExpression::escape(piece);
  return QRegularExpression("^" + pieces.join(".*") + "$");
}

const Texts& table() {
  static const Texts texts = [] {
    Texts t;
    QFile file(QUORVEL_ENGLISH_TABLE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
      if (line.isEmpty() || line.startsWith('#')) continue;
      const QStringList parts = line.split('\t');
      if (parts.size() != 2) continue;
      const QString dutch = QString(parts[0]).replace("\\n", "\n");
      const QString english = QString(parts[1]).replace("\\n", "\n");
      t.dutch.insert(dutch);
      t.english.insert(english);
      if (dutch.contains('%')) t.dutchForms.push_back(formOf(dutch));
      if (english.contains('%')) t.englishForms.push_back(formOf(english));
    }
    return t;
  }();
  return texts;
}

// Texts that are the same in both languages: names, symbols, numbers, formulas, and the few
// words the program shows in English in Dutch too.
bool neutral(const QString& text) {
  static const std::set<QString> kWords = {"plot",   "cancel",  "reset",   "sort",    "calculate",
                                           "POLY",   "help",    "status",  "Quorvel", "X ^",
                                           "X-left", "X-right", "start X", "start Y", "start V"};
  if (kWords.count(text) != 0) return true;
  // No word of two letters or more (numbers, "+/-", "A", "R", "x", "1 - 2 / 3"), or a formula.
  static const QRegularExpression kWord("[A-Za-z\\x{00C0}-\\x{024F}]{2,}");
  static const QRegularExpression kFormula("^[xyr]\\s*=|^[a-z]{1,3}:|^[ivd]+:");
  return !kWord.match(text).hasMatch() || kFormula.match(text).hasMatch();
}

bool knownIn(const QString& text, const std::set<QString>& words,
             const std::vector<QRegularExpression>& forms) {
  if (words.count(text) != 0) return true;
  for (const QRegularExpression& form : forms) {
    if (form.match(text).hasMatch()) return true;
  }
  return false;
}

// One visible text of a window, with whether it fits its control.
struct Shown {
  QString where;
  QString text;
  bool fits = true;
};

bool operator==(const Shown& a, const Shown& b) {
  return a.where == b.where && a.text == b.text;
}

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
  return out << shown.where.toStdString() << ": \"" << shown.text.toStdString() << '"';
}

QString placeOf(const QWidget* widget) {
  return QString("%1 at %2,%3")
      .arg(widget->metaObject()->className())
      .arg(widget->x())
      .arg(widget->y());
}

// Whether `text` in the widget's font fits `width` pixels.
bool fitsWidth(const QWidget* widget, const QString& text, int width) {
  int widest = 0;
  for (const QString& line : text.split('\n'))
    widest = std::max(widest, QFontMetrics(widget->font()).horizontalAdvance(line));
  return widest <= width;
}

// Every text `window` shows now.
std::vector<Shown> shownTexts(QWidget* window) {
  std::vector<Shown> texts;
  texts.push_back({"title", window->windowTitle()});
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    const QString place = placeOf(widget);
    if (!widget->toolTip().isEmpty()) texts.push_back({place + " tip", widget->toolTip()});
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().isEmpty()) continue;
      texts.push_back(
          {place, label->text(),
           label->wordWrap() || fitsWidth(label, label->text(), label->contentsRect().width())});
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
      const int indicator =
          radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
          radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
      texts.push_back(
          {place, radio->text(), fitsWidth(radio, radio->text(), radio->width() - indicator)});
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      if (button->text().isEmpty()) continue;
      texts.push_back(
          {place, button->text(), fitsWidth(button, button->text(), button->width() - 4)});
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      texts.push_back({place, group->title(), fitsWidth(group, group->title(), group->width())});
    } else if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
      for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
          const QTableWidgetItem* cell = grid->item(row, column);
          if (cell == nullptr || cell->text().isEmpty()) continue;
          texts.push_back({QString("%1 cell %2,%3").arg(place).arg(row).arg(column), cell->text(),
                           fitsWidth(grid, cell->text(), grid->columnWidth(column))});
        }
      }
    }
  }
  return texts;
}

// "info" > "taal: English" switches every window while the program runs; the choice is kept
// for the next run.
class LanguageWindow : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    useLanguage(*QCoreApplication::instance(), Language::Dutch);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    QSettings("Quorvel", "quorvel").remove(kLanguageKey);
    useLanguage(*QCoreApplication::instance(), Language::Dutch);
    MainWindowTest::TearDown();
  }
  void switchLanguage() {
    controller.executeCommand(Command::SwitchLanguage);
    window.refresh();
    QApplication::processEvents();
  }
};

TEST_F(LanguageWindow, SwitchedWhileRunning) {
  ws.editor.fedSetText("y=0,5x");
  switchLanguage();
  EXPECT_EQ(currentLanguage(), Language::English);
  EXPECT_EQ(window.GetBtn->text(), "load");
  EXPECT_EQ(window.GroupBox2->title(), "constants");
  EXPECT_EQ(window.Label1->text(), "colours");
  EXPECT_EQ(window.hoektext->text(), "RADIANS");
  EXPECT_EQ(window.Atext->text(), "0.0");
  EXPECT_EQ(window.VdomainForm->findChildren<QLabel*>().front()->text(), "start");
  EXPECT_EQ(helpTextLines().front(), "\\hContents");
  EXPECT_EQ(TcontrolForm::keptLanguage(), Language::English);
  EXPECT_EQ(ws.editor.fedGetText(), "y=0,5x");  // the edit box keeps what it holds

  switchLanguage();
  EXPECT_EQ(currentLanguage(), Language::Dutch);
  EXPECT_EQ(window.GetBtn->text(), "laad");
  EXPECT_EQ(window.GroupBox2->title(), "constanten");
  EXPECT_EQ(window.hoektext->text(), "RADIALEN");
  EXPECT_EQ(window.Atext->text(), "0,0");
  EXPECT_EQ(window.VdomainForm->findChildren<QLabel*>().front()->text(), "begin");
  EXPECT_EQ(TcontrolForm::keptLanguage(), Language::Dutch);
}

class EveryWindowInBothLanguages : public LanguageWindow {
 protected:
  void SetUp() override {
    LanguageWindow::SetUp();
    type("y=x^2-1,5");
    enter();
    ws.MsgText.clear();  // the answer to that is said once, in the language it was said in
    window.refresh();
  }

  // Each text a text of `language`, fitting its control.
  static void expectIn(Language language, const std::vector<Shown>& texts) {
    const Texts& t = table();
    const bool english = language == Language::English;
    // The main window's title: the graph file's name (or none yet), a star when changed.
    static const QRegularExpression kProgram("\\*? — Quorvel$");
    for (const Shown& shown : texts) {
      EXPECT_TRUE(shown.fits) << shown << " is wider than its control";
      const QString text = QString(shown.text).remove(kProgram);
      if (neutral(text)) continue;
      if (english) {
        EXPECT_TRUE(knownIn(text, t.english, t.englishForms)) << shown << " is not English";
      } else {
        EXPECT_TRUE(knownIn(text, t.dutch, t.dutchForms)) << shown << " is not Dutch";
      }
    }
  }

  // `open` shows a window: its texts in Dutch, in English after the switch, the same Dutch
  // ones after the switch back, and the same English ones when it opens in English.
  void walk(QWidget* shownWindow, const std::function<void()>& open,
            const std::function<void()>& close) {
    open();
    QApplication::processEvents();
    ASSERT_TRUE(shownWindow->isVisible());
    const std::vector<Shown> dutch = shownTexts(shownWindow);
    expectIn(Language::Dutch, dutch);

    switchLanguage();
    const std::vector<Shown> english = shownTexts(shownWindow);
    expectIn(Language::English, english);

    switchLanguage();
    EXPECT_EQ(shownTexts(shownWindow), dutch);

    close();
    QApplication::processEvents();
    switchLanguage();
    open();
    QApplication::processEvents();
    EXPECT_EQ(shownTexts(shownWindow), english);
    close();
    switchLanguage();  // Dutch for the next window
  }
  void hideAll() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top != &window) top->hide();
    }
    window.setEnabled(true);
  }
  std::function<void()> command(Command c) {
    return [this, c] { controller.executeCommand(c); };
  }
};

TEST_F(EveryWindowInBothLanguages, MainWindow) {
  walk(
      &window, [] {}, [] {});
}

TEST_F(EveryWindowInBothLanguages, ToolWindows) {
  walk(window.tabelForm, command(Command::ValueTable), [this] { hideAll(); });
  walk(window.analyseForm, command(Command::Extrema), [this] { hideAll(); });
  walk(window.AreaForm, command(Command::Area), [this] { hideAll(); });
  walk(window.raaklijnForm, command(Command::Tangent), [this] { hideAll(); });
}

// The value table's rows and fields follow the switch: their numbers in the language's form.
TEST_F(EveryWindowInBothLanguages, ValueTableNumbersFollowTheSwitch) {
  controller.executeCommand(Command::ValueTable);
  ASSERT_TRUE(window.tabelForm->isVisible());
  const ValueTable& table = ws.valueTable;
  const std::string dutchRow = table.rows[3].x;
  ASSERT_NE(dutchRow.find(','), std::string::npos) << dutchRow;
  switchLanguage();
  EXPECT_EQ(table.rows[3].x, QString::fromStdString(dutchRow).replace(',', '.').toStdString());
  EXPECT_EQ(window.tabelForm->beginWaarde->text(), "0.0");
  switchLanguage();
  EXPECT_EQ(table.rows[3].x, dutchRow);
  EXPECT_EQ(window.tabelForm->beginWaarde->text(), "0,0");
  hideAll();
}

TEST_F(EveryWindowInBothLanguages, PointsColoursMotionAndDomains) {
  walk(window.puntenForm, command(Command::PointsTable), [this] { hideAll(); });
  walk(window.kleurenForm, command(Command::Colours), [this] { hideAll(); });
  walk(window.motionForm, command(Command::Motion), [this] { hideAll(); });
  walk(
      window.VdomainForm, [this] { window.VdomainForm->formshow(); }, [this] { hideAll(); });
  walk(
      window.XdomainForm, [this] { window.XdomainForm->FormShow(); }, [this] { hideAll(); });
}

TEST_F(EveryWindowInBothLanguages, HelpAndInfo) {
  // (The help window runs its own loop when the menu opens it; shown here as it is then.)
  walk(
      window.helpform6, [this] { window.helpform6->show(); }, [this] { hideAll(); });
  for (Command page : {Command::About, Command::Status, Command::Conditions})
    walk(window.infoForm, command(page), [this] { hideAll(); });
}

// Every menu entry, highlighted (in bold), fits its place in both languages: a title its
// button, an entry of a list the list less the room of a check mark.
TEST_F(EveryWindowInBothLanguages, MenuEntriesFitTheirPlaces) {
  QFont bold("Liberation Sans");
  bold.setPointSize(9);
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  const Texts& t = table();
  for (Language language : {Language::Dutch, Language::English}) {
    useLanguage(*QCoreApplication::instance(), language);
    for (const MenuEntry& entry : menuEntries) {
      const QString shown = QString::fromStdString(translated(std::string(entry.text).c_str()));
      const int room = levelOf(entry.id) == 0 ? Menu::kTitleWidth - 6 : Menu::panelWidth() - 10;
      EXPECT_LE(metrics.horizontalAdvance(shown), room) << entry.id << " " << shown.toStdString();
      if (language == Language::English && !neutral(shown)) {
        EXPECT_TRUE(knownIn(shown, t.english, {})) << entry.id << " " << shown.toStdString();
      }
    }
  }
}

// The info pages stay on their panel in both languages, measured in the real font.
TEST_F(EveryWindowInBothLanguages, InfoPagesStayOnThePanel) {
  class Measuring : public TextPainter {
   public:
    struct Call {
      int right, bottom;
      std::string text;
    };
    std::vector<Call> calls;
    QtTextPainter real;
    void textOut(Picture&, int x, int y, std::string_view text, const Font& font, Colour) override {
      calls.push_back(
          {x + real.textWidth(text, font), y + real.textHeight(text, font), std::string(text)});
    }
    int textWidth(std::string_view text, const Font& font) override {
      return real.textWidth(text, font);
    }
    int textHeight(std::string_view text, const Font& font) override {
      return real.textHeight(text, font);
    }
  };
  for (Language language : {Language::Dutch, Language::English}) {
    useLanguage(*QCoreApplication::instance(), language);
    for (int page = 1; page <= 3; ++page) {
      Measuring measuring;
      Picture box(InfoPage::kSize, InfoPage::kSize);
      InfoPage::writeText(box, InfoPage::text(page), measuring, "10.10.10");
      ASSERT_FALSE(measuring.calls.empty());
      for (const auto& call : measuring.calls) {
        EXPECT_LE(call.right, 392) << "page " << page << ": " << call.text;
        EXPECT_LE(call.bottom, 392) << "page " << page << ": " << call.text;
      }
    }
  }
  EXPECT_NE(InfoPage::text(3).find("GNU GPL,/version 3 or later"), std::string::npos);
}

}  // namespace
}  // namespace quorvel
