// The main window's controls: made, placed (MainWindowGeometry.h) and given their looks, the
// bevels painted around the picture and the edit box, and the page fitted to the screen.

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <cmath>

#include "colours/ColorBox.h"
#include "colours/ColourWindow.h"
#include "common/ScreenFit.h"
#include "editor/FormulaEditBox.h"
#include "fitting/PointsTableWindow.h"
#include "formula/DebugWindow.h"
#include "help/HelpWindow.h"
#include "info/InfoWindow.h"
#include "menu/MenuWidget.h"
#include "motion/MotionWindow.h"
#include "plot/DomainDialog.h"
#include "plot/GrafiekBox.h"
#include "plot/ScaleBox.h"
#include "qt/Controls.h"
#include "shell/Controller.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowGeometry.h"
#include "shell/WindowControls.h"
#include "tools/AnalysisWindow.h"
#include "tools/AreaDialog.h"
#include "tools/ValueTableWindow.h"

namespace quorvel {

using namespace geometry;

namespace {

constexpr Colour kSettingsBackground = rgb(0xF7, 0xE9, 0xA1);  // $A1E9F7
constexpr Colour kAutoplotOff = rgb(0xD0, 0xD0, 0x00);         // $00D0D0
constexpr Colour kAutoplotAtStart = rgb(0xE0, 0xE0, 0x00);     // $00E0E0
constexpr Colour kGridFixed = rgb(0xD0, 0xD0, 0xD0);
constexpr Colour kGridCells = rgb(0xF3, 0xF3, 0xE2);  // $E2F3F3

QFont arial(int pixels, bool bold) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QString css(Colour c) {
  return QColor::fromRgb(c).name();
}

QPushButton* speedButton(const char* source, const char* colour, QWidget* parent, QRect place,
                         int pixels = 14) {
  auto* button = new QPushButton(parent);
  showText(button, source);
  button->setGeometry(place);
  button->setFont(arial(pixels, true));
  button->setStyleSheet(QString("color: %1;").arg(colour));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

// The logo: a small picture of a curve with the program's name.
QPixmap logoPixmap() {
  QPixmap pixmap(120, 28);
  pixmap.fill(QColor(0, 0, 96));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(255, 176, 0), 2));
  QPainterPath path;
  for (int x = 0; x <= 28; ++x) {
    const double y = 14 - 9 * std::sin(x / 28.0 * 2 * 3.14159265);
    if (x == 0)
      path.moveTo(4 + x, y);
    else
      path.lineTo(4 + x, y);
  }
  painter.drawPath(path);
  painter.setPen(Qt::white);
  painter.setFont(arial(17, true));
  painter.drawText(QRect(36, 0, 84, 28), Qt::AlignVCenter | Qt::AlignLeft, "Quorvel");
  return pixmap;
}

}  // namespace

// The page the controls sit on; the window paints the bevels around the picture and the edit
// box onto it.
class TcontrolForm::Page : public QWidget {
 public:
  explicit Page(TcontrolForm* window) : QWidget(nullptr), window_(window) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    window_->paintPage(painter);
  }

 private:
  TcontrolForm* window_;
};

void TcontrolForm::fitToScreen(const QRect& freeArea, QSize frame) {
  const WindowFit fit = quorvel::fitToScreen(kPageWidth, kPageHeight, freeArea.width(),
                                             freeArea.height(), frame.width(), frame.height(),
                                             style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  setFixedSize(fit.width, fit.height);
  if (fit.scrolls) move(freeArea.topLeft());
}

void TcontrolForm::resizeEvent(QResizeEvent* event) {
  scroller->setGeometry(rect());
  QWidget::resizeEvent(event);
}

void TcontrolForm::buildLayout() {
  setFont(arial(13, false));
  // Every control sits on one page of fixed size, which a scrolling view shows whole on a
  // screen large enough and in part on a smaller one.
  page = new Page(this);
  page->setFixedSize(kPageWidth, kPageHeight);
  scroller = new QScrollArea(this);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->setWidget(page);
  scroller->setGeometry(0, 0, kPageWidth, kPageHeight);
  buildGraph();
  buildEditRow();
  buildSettingsBoxes();
  buildConstants();
  Label1 = showText(new QLabel(page), QT_TRANSLATE_NOOP("quorvel", "kleuren"));
  Label1->move(kColoursLabel);
  ColorBox = new quorvel::ColorBox(ws_.selection, ws_.slotColours, page);
  ColorBox->setGeometry(kColorBox);
  buildPolynomial();
  klok = new QTimer(this);
  recoveryTimer = new QTimer(this);
  recoveryTimer->setSingleShot(true);
  wheelRestTimer = new QTimer(this);
  wheelRestTimer->setSingleShot(true);
  wheelRestTimer->setInterval(PictureNavigation::kRestMilliseconds);
  buildOtherWindows();
}

void TcontrolForm::buildGraph() {
  GrafiekBox = new quorvel::GrafiekBox(ws_.graph, page);
  GrafiekBox->setGeometry(kGraph);
  vertScaleBox = new ScaleBox(false, controller_.scaleButtons, page);
  vertScaleBox->setGeometry(kVerticalScaleBar);
  HorScaleBox = new ScaleBox(true, controller_.scaleButtons, page);
  HorScaleBox->setGeometry(kHorizontalScaleBar);
  initscaleBtn = speedButton("X", "fuchsia", page, kInitScaleButton, 18);
}

void TcontrolForm::buildEditRow() {
  fedbox = new Tkor7ELBox(ws_.editor, page);
  fedbox->setGeometry(kEditBox);
  formPolyArrow = new ArrowBox(controller_, page);
  formPolyArrow->setGeometry(kInputArrow);
  clearBtn = speedButton("R", "red", page, kClearButton);
  GetBtn = speedButton(QT_TRANSLATE_NOOP("quorvel", "laad"), "green", page, kLoadButton);
  PlotBtn = speedButton("plot", "navy", page, kPlotButton);
  MsgText = new QLabel(page);
  MsgText->setGeometry(kMessageLine);
  MsgText->setFont(arial(15, false));
  showAsMessageLine(MsgText);
}

void TcontrolForm::buildSettingsBoxes() {
  Image1 = new QLabel(page);
  Image1->setGeometry(kLogo);
  Image1->setPixmap(logoPixmap());
  Image1->setCursor(Qt::PointingHandCursor);
  showToolTip(Image1, QT_TRANSLATE_NOOP("quorvel", "visit website"));

  auto settingsBox = [this](const QString& text, QRect place) {
    auto* box = new FieldLabel(text, page);
    box->setGeometry(place);
    box->setFont(arial(17, true));
    box->setStyleSheet(QString("background: %1;").arg(css(kSettingsBackground)));
    return box;
  };
  hoektext = settingsBox(shownText(kRadians), kAngleBox);
  addtext = settingsBox(shownText(kAddMode), kAddModeBox);
  showtext = settingsBox(shownText(kAutoplot), kAutoplotBox);
}

void TcontrolForm::buildConstants() {
  GroupBox2 = new QGroupBox(page);
  showText(GroupBox2, QT_TRANSLATE_NOOP("quorvel", "constanten"));
  GroupBox2->setGeometry(kConstantsGroup);
  const char* names[] = {"+/-", "A", "B", "C"};
  FieldLabel** fields[] = {&deltatext, &Atext, &Btext, &Ctext};
  for (int k = 0; k < 4; ++k) {
    auto* name = new QLabel(names[k], GroupBox2);
    name->setGeometry(kConstantName.translated(0, kConstantRowStep * k));
    auto* field = new FieldLabel("", GroupBox2);
    field->setGeometry(kConstantField.translated(0, kConstantRowStep * k));
    field->setStyleSheet(QString("background: %1;").arg(css(kConstantFieldColour)));
    *fields[k] = field;
  }
  clearConstantsBtn = speedButton("R", "red", GroupBox2, kClearConstantsButton);
}

void TcontrolForm::buildPolynomial() {
  GroupBox1 = new QGroupBox(page);
  showText(GroupBox1, QT_TRANSLATE_NOOP("quorvel", "polynoom"));
  GroupBox1->setGeometry(kPolynomialGroup);
  polyDegreeText = new FieldLabel("2", GroupBox1);
  polyDegreeText->setGeometry(kDegreeField);
  polyDegreeText->setStyleSheet(QString("background: %1;").arg(css(kSettingsBackground)));
  QLabel* graad = showText(new QLabel(GroupBox1), QT_TRANSLATE_NOOP("quorvel", "graad"));
  graad->setGeometry(kDegreeLabel);
  PolyGrid = new QTableWidget(9, 2, GroupBox1);
  PolyGrid->setGeometry(kPolyGrid);
  PolyGrid->horizontalHeader()->hide();
  PolyGrid->verticalHeader()->hide();
  PolyGrid->setColumnWidth(0, kPolyGridPowerWidth);
  PolyGrid->setColumnWidth(1, kPolyGridCoefficientWidth);
  PolyGrid->setFocusPolicy(Qt::ClickFocus);  // no tab stop
  PolyGrid->setFont(arial(11, false));
  PolyGrid->setTextElideMode(Qt::ElideNone);
  PolyGrid->setStyleSheet("QTableWidget::item { padding: 0px; margin: 0px; }");
  PolyGrid->setWordWrap(false);
  PolyGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PolyGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < 9; ++row) {
    PolyGrid->setRowHeight(row, kPolyGridRowHeight);
    for (int column = 0; column < 2; ++column) {
      auto* item = new QTableWidgetItem();
      const bool fixed = row == 0 || column == 0;
      item->setBackground(QColor::fromRgb(fixed ? kGridFixed : kGridCells));
      if (fixed) item->setFlags(Qt::ItemIsEnabled);
      PolyGrid->setItem(row, column, item);
    }
    if (row > 0) PolyGrid->item(row, 0)->setText(QString::number(row - 1));
  }
  PolyGrid->item(0, 0)->setText("X ^");
  showText(PolyGrid->item(0, 1), QT_TRANSLATE_NOOP("quorvel", "coefficient"));

  PolyGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);  // the window edits the cells
  PolyGrid->setSelectionMode(QAbstractItemView::NoSelection);
}

void TcontrolForm::buildOtherWindows() {
  puntenForm = new TpuntenForm(ws_.pointsTable, this);
  debugForm = new TdebugForm(this);
  VdomainForm = new TVdomainForm(this);
  kleurenForm = new TkleurenForm(ws_.text, this);
  infoForm = new TinfoForm(ws_.text, this);
  tabelForm = new TtabelForm(ws_.valueTable, ws_.text, this);
  AreaForm = new TAreaForm(ws_.area, this);
  XdomainForm = new TXdomainForm(this);
  analyseForm = new TanalyseForm(ws_.analysis, ws_.text, this);
  raaklijnForm = new TraaklijnForm(this);
  helpform6 = new Thelpform6(ws_.text, this);
  helpform6->loadText();
  motionForm = new MotionWindow(ws_.motion, this);
  menuBar = std::make_unique<MenuWidget>(controller_.menu, page);
}

// "AUTOPLOT" shows in its own colour until a setting is first changed.
void TcontrolForm::showStartLook() {
  showtext->setStyleSheet(
      QString("color: %1; background: %2;").arg(css(kAutoplotAtStart), css(kSettingsBackground)));
}

void TcontrolForm::showSettingTexts() {
  hoektext->setText(QString::fromStdString(controller_.hoektext()));
  addtext->setText(QString::fromStdString(controller_.addtext()));
}

void TcontrolForm::showSettings() {
  showSettingTexts();
  showtext->setStyleSheet(
      QString("color: %1; background: %2;")
          .arg(ws_.settings.autoplotMode ? "black" : css(kAutoplotOff), css(kSettingsBackground)));
}

void TcontrolForm::showPolyGrid() {
  for (int row = 1; row <= kCoefficients; ++row) {
    QTableWidgetItem* cell = PolyGrid->item(row, 1);
    cell->setText(QString::fromStdString(ws_.poly.cells[row]));
    const bool current = !controller_.formulaInputActive && row == ws_.poly.currentRow;
    cell->setBackground(current ? QColor(Qt::white) : QColor::fromRgb(kGridCells));
  }
}

void TcontrolForm::paintPage(QPainter& painter) {
  // Nested rings around a control: light at the top left, dark at the bottom right.
  auto rings = [&painter](QRect box, int count, auto topLeft, auto bottomRight) {
    for (int i = 0; i < count; ++i) {
      const int d = count - i;
      paintBevel(painter, box.topLeft() - QPoint(d, d), box.bottomRight() + QPoint(d, d),
                 topLeft(i), bottomRight(i));
    }
  };
  // Around the graph, a raised bevel of five rings; each channel stops at white.
  rings(
      GrafiekBox->geometry(), 5, [](int i) { return QColor::fromRgb(0xFFFFFF - i * 0x202020); },
      [](int i) {
        const int level = std::min(0xFF, 0x80 + i * 0x20);
        return QColor(level, level, level);
      });
  // Around the edit box, a sunken frame of two rings.
  rings(
      fedbox->geometry(), 2, [](int) { return QColor(Qt::black); },
      [](int) { return QColor(0x80, 0x80, 0x80); });
}

}  // namespace quorvel
