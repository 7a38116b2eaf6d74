#include "shell/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStyle>
#include <QUrl>
#include <cmath>

#include "common/Keys.h"
#include "common/PathText.h"
#include "common/SafeFile.h"
#include "qt/Controls.h"
#include "qt/PictureImage.h"
#include "qt/PictureRenderer.h"
#include "qt/QtTextPainter.h"
#include "shell/ScreenFit.h"

namespace quorvel {

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

QPushButton* speedButton(const QString& text, const char* colour, QWidget* parent, QRect place,
                         int pixels = 14) {
  auto* button = new QPushButton(text, parent);
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

bool goOnWithSmallScreen() {
  return QMessageBox::warning(nullptr, "Quorvel", "scherm te klein: dooraan?",
                              QMessageBox::Ok | QMessageBox::No) != QMessageBox::No;
}

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

TcontrolForm::TcontrolForm(Workspace& workspace, Controller& controller)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ws_(workspace),
      controller_(controller) {
  setWindowTitle("Quorvel");
  setFixedSize(kPageWidth, kPageHeight);
  setAcceptDrops(true);
  move(100, 5);
  buildLayout();
  connectEvents();
  controller_.shell = this;

  // Start-up: the workspace's state, then what only the window shows.
  ws_.startUp();
  loadRecentFiles();
  showtext->setStyleSheet(
      QString("color: %1; background: %2;").arg(css(kAutoplotAtStart), css(kSettingsBackground)));
  selectFormulaInput();
  ws_.editor.fedInit(fedbox->width(), QFontMetrics(fedbox->font()).horizontalAdvance('W'));
  refresh();
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
  GrafiekBox = new quorvel::GrafiekBox(ws_.graph, page);
  GrafiekBox->setGeometry(20, 45, 801, 801);
  vertScaleBox = new ScaleBox(false, controller_.scaleButtons, page);
  vertScaleBox->setGeometry(828, 40, 20, 812);
  HorScaleBox = new ScaleBox(true, controller_.scaleButtons, page);
  HorScaleBox->setGeometry(15, 853, 810, 20);
  initscaleBtn = speedButton("X", "fuchsia", page, QRect(827, 854, 20, 20), 18);

  fedbox = new Tkor7ELBox(ws_.editor, page);
  fedbox->setGeometry(16, 880, 833, 30);
  formPolyArrow = new ArrowBox(controller_, page);
  formPolyArrow->setGeometry(864, 883, 25, 25);
  clearBtn = speedButton("R", "red", page, QRect(896, 883, 25, 25));
  GetBtn = speedButton("laad", "green", page, QRect(928, 883, 41, 25));
  PlotBtn = speedButton("plot", "navy", page, QRect(976, 883, 41, 25));
  MsgText = new QLabel(page);
  MsgText->setGeometry(16, 915, 1001, 24);
  MsgText->setFont(arial(15, false));

  Image1 = new QLabel(page);
  Image1->setGeometry(856, 8, 120, 28);
  Image1->setPixmap(logoPixmap());
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setToolTip("visit website");

  auto settingsBox = [this](const QString& text, int y, int width) {
    auto* box = new FieldLabel(text, page);
    box->setGeometry(856, y, width, 20);
    box->setFont(arial(17, true));
    box->setStyleSheet(QString("background: %1;").arg(css(kSettingsBackground)));
    return box;
  };
  hoektext = settingsBox(kRadians, 45, 150);
  addtext = settingsBox(kAddMode, 69, 152);
  showtext = settingsBox(kAutoplot, 93, 153);

  GroupBox2 = new QGroupBox("constanten", page);
  GroupBox2->setGeometry(856, 134, 153, 147);
  const char* names[] = {"+/-", "A", "B", "C"};
  FieldLabel** fields[] = {&deltatext, &Atext, &Btext, &Ctext};
  for (int k = 0; k < 4; ++k) {
    auto* name = new QLabel(names[k], GroupBox2);
    name->setGeometry(8, 22 + 26 * k, 24, 22);
    auto* field = new FieldLabel("", GroupBox2);
    field->setGeometry(34, 22 + 26 * k, 110, 22);
    field->setStyleSheet(QString("background: %1;").arg(css(kConstantFieldColour)));
    *fields[k] = field;
  }
  clearConstantsBtn = speedButton("R", "red", GroupBox2, QRect(8, 122, 22, 20));

  Label1 = new QLabel("kleuren", page);
  Label1->move(856, 296);
  ColorBox = new quorvel::ColorBox(ws_.selection, ws_.slotColours, page);
  ColorBox->setGeometry(856, 321, 90, 90);

  GroupBox1 = new QGroupBox("polynoom", page);
  GroupBox1->setGeometry(856, 555, 153, 294);
  polyDegreeText = new FieldLabel("2", GroupBox1);
  polyDegreeText->setGeometry(8, 24, 40, 22);
  polyDegreeText->setStyleSheet(QString("background: %1;").arg(css(kSettingsBackground)));
  auto* graad = new QLabel("graad", GroupBox1);
  graad->setGeometry(56, 24, 60, 22);
  PolyGrid = new QTableWidget(9, 2, GroupBox1);
  PolyGrid->setGeometry(8, 56, 145, 233);
  PolyGrid->horizontalHeader()->hide();
  PolyGrid->verticalHeader()->hide();
  PolyGrid->setColumnWidth(0, 23);
  PolyGrid->setColumnWidth(1, 115);
  PolyGrid->setFocusPolicy(Qt::ClickFocus);  // no tab stop
  PolyGrid->setFont(arial(11, false));
  PolyGrid->setTextElideMode(Qt::ElideNone);
  PolyGrid->setStyleSheet("QTableWidget::item { padding: 0px; margin: 0px; }");
  PolyGrid->setWordWrap(false);
  PolyGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PolyGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < 9; ++row) {
    PolyGrid->setRowHeight(row, 25);
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
  PolyGrid->item(0, 1)->setText("coefficient");

  PolyGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);  // the window edits the cells
  PolyGrid->setSelectionMode(QAbstractItemView::NoSelection);

  klok = new QTimer(this);
  recoveryTimer = new QTimer(this);
  recoveryTimer->setSingleShot(true);
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
  menuBar = std::make_unique<MenuWidget>(controller_.menu, page);
}

TcontrolForm::~TcontrolForm() {
  qApp->removeEventFilter(this);
  ws_.formulas.debugListener = nullptr;
  controller_.shell = nullptr;
}

void TcontrolForm::connectEvents() {
  Graph::Hooks& hooks = ws_.graph.hooks;
  hooks.ShowPicture = [this] { GrafiekBox->update(); };
  hooks.messageChanged = [this] {
    MsgText->setText(QString::fromStdString(ws_.MsgText));
    MsgText->repaint();
  };

  VdomainForm->apply = [this](const std::string& begin, const std::string& end,
                              const std::string& steps) {
    const ParameterDomainCheck check = controller_.applyParameterDomain(begin, end, steps);
    refresh();
    return check;
  };
  VdomainForm->storedDomain = [this](double& begin, double& end, int& steps) {
    const int slot = ws_.selection.selectedSlot;
    if (slot < 1 || ws_.formulas.slotKind[slot] != kSlotParametric) return false;
    const TFormule& formula = ws_.formulas.formulas[slot];
    begin = formula.domainBegin;
    end = formula.domainEnd;
    steps = formula.domainSteps;
    return true;
  };
  XdomainForm->apply = [this](const std::string& left, const std::string& right) {
    const IntegralDomainCheck check = controller_.applyIntegralDomain(left, right);
    refresh();
    return check;
  };
  XdomainForm->repaintGraph = [this] { GrafiekBox->update(); };
  ws_.formulas.debugListener = debugForm;
  kleurenForm->applied = [this](const SlotColours& colours, const std::string& personalText) {
    controller_.applyColours(colours, personalText);
    refresh();
  };
  AreaForm->closed = [this](const std::string& result) {
    ws_.MsgText = result;
    refresh();
  };
  raaklijnForm->plot = [this](const std::string& typedX) {
    const std::optional<std::string> fault = controller_.plotTangent(typedX);
    refresh();
    return fault;
  };
  puntenForm->closed = [this] {
    ws_.graph.RedrawAll();
    refresh();
  };
  VdomainForm->closed = XdomainForm->closed = [this] {
    controller_.domainClosed();
    refresh();
  };

  connect(PlotBtn, &QPushButton::clicked, this, [this] { PlotBtnClick(); });
  connect(GetBtn, &QPushButton::clicked, this, [this] { GetBtnClick(); });
  connect(clearBtn, &QPushButton::clicked, this, [this] { clearBtnClick(); });
  connect(initscaleBtn, &QPushButton::pressed, this, [this] {
    controller_.initscaleDown();
    refresh();
  });
  connect(initscaleBtn, &QPushButton::released, this, [this] {
    controller_.releaseRefines();
    refresh();
  });
  connect(clearConstantsBtn, &QPushButton::pressed, this, [this] {
    ws_.constantsPanel.ResetConstants();
    refresh();
  });
  connect(clearConstantsBtn, &QPushButton::released, this, [this] {
    controller_.releaseRefines();
    refresh();
  });
  connect(klok, &QTimer::timeout, this, [this] { klokTimer(); });
  connect(recoveryTimer, &QTimer::timeout, this, [this] {
    if (!isEnabled()) return;  // a window of the program's is open: its changes come later
    const std::string message = ws_.MsgText;
    controller_.recoveryTick();
    if (ws_.MsgText != message) refresh();
    keepRecoveryTime();
  });
  connect(PolyGrid, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (row >= 1) ws_.poly.currentRow = row;
    selectPolynomialInput();
  });
  menuBar->onChange = [this] { refresh(); };

  // Settings boxes: any button toggles.
  for (auto [box, code] : {std::pair{hoektext, int(kHoverAngle)},
                           {addtext, int(kHoverAddMode)},
                           {showtext, int(kHoverAutoplot)}}) {
    box->onPress = [this, code = code](bool) {
      controller_.toggleSetting(code);
      refresh();
    };
  }
  // Constant fields: left raises, right lowers, holding repeats.
  FieldLabel* fields[] = {deltatext, Atext, Btext, Ctext};
  for (int k = 0; k < 4; ++k) {
    fields[k]->onPress = [this, k](bool left) {
      controller_.constantFieldDown(k, left);
      startKlok();
      refresh();
    };
    fields[k]->onRelease = [this, k] {
      klok->stop();
      controller_.constantFieldUp(k);
      refresh();
    };
  }
  polyDegreeText->onPress = [this](bool left) {
    controller_.degreeDown(left);
    startKlok();
    refresh();
  };
  polyDegreeText->onRelease = [this] {
    klok->stop();
    controller_.degreeUp();
    refresh();
  };

  fedbox->onClick = [this](int x) {
    controller_.fedBoxClick(x);
    refresh();
  };
  formPolyArrow->onClick = [this] {
    if (controller_.formulaInputActive) {
      selectPolynomialInput();
    } else {
      selectFormulaInput();
    }
  };

  ColorBox->onFirstPaint = [this] { controller_.colorBoxPaint(); };
  ColorBox->onMouseMove = [this](int x, int y) {
    setHover(kHoverColorBox);
    controller_.colorBoxHover(x, y);
    refresh();
  };
  ColorBox->onMouseDown = [this](int x, int y) {
    controller_.colorBoxClick(x, y);
    refresh();
  };

  GrafiekBox->onHover = [this] { setHover(kHoverGraph); };
  GrafiekBox->onMouseDown = [this](int x, int y, Qt::MouseButton, bool shift) {
    controller_.GrafiekBoxMouseDown(x, y, shift);
    refresh();
  };
  for (ScaleBox* box : {vertScaleBox, HorScaleBox}) {
    box->onMouseMove = [this](bool horizontal, int position) {
      setHover(kHoverScaleBox);
      if (controller_.scaleBoxMouseMove(horizontal, position)) {
        vertScaleBox->update();
        HorScaleBox->update();
      }
    };
    box->onButton = [this](int button) {
      if (button == 0) klok->stop();
      controller_.ScaleBoxButton(button);
      if (button != 0 && ws_.klok.running()) startKlok();
      refresh();
    };
  }

  // The window sees every key first, and the mouse entering each of its controls.
  qApp->installEventFilter(this);
  for (QWidget* w : std::initializer_list<QWidget*>{
           hoektext, addtext, showtext, deltatext, Atext, Btext, Ctext, polyDegreeText,
           formPolyArrow, MsgText, GroupBox1, GroupBox2, PolyGrid, Image1}) {
    w->setAttribute(Qt::WA_Hover);
  }
  setMouseTracking(true);
  PolyGrid->installEventFilter(this);
}

void TcontrolForm::startKlok() {
  klok->start(ws_.klok.intervalMs());
}

void TcontrolForm::klokTimer() {
  controller_.klokTimer();
  klok->setInterval(ws_.klok.intervalMs());
  refresh();
}

FieldLabel* TcontrolForm::fieldOfCode(int code) const {
  switch (code) {
    case kHoverAngle:
      return hoektext;
    case kHoverAddMode:
      return addtext;
    case kHoverAutoplot:
      return showtext;
    case kHoverDelta:
      return deltatext;
    case kHoverDelta + 1:
      return Atext;
    case kHoverDelta + 2:
      return Btext;
    case kHoverDelta + 3:
      return Ctext;
    case kHoverDegree:
      return polyDegreeText;
    default:
      return nullptr;
  }
}

int TcontrolForm::hoverCodeOf(const QObject* widget) const {
  if (widget == formPolyArrow) return kHoverArrow;
  if (widget == ColorBox) return kHoverColorBox;
  if (widget == GrafiekBox) return kHoverGraph;
  if (widget == vertScaleBox || widget == HorScaleBox) return kHoverScaleBox;
  for (int code : {int(kHoverAngle), int(kHoverAddMode), int(kHoverAutoplot), int(kHoverDelta),
                   kHoverDelta + 1, kHoverDelta + 2, kHoverDelta + 3, int(kHoverDegree)}) {
    if (widget == fieldOfCode(code)) return code;
  }
  return -1;
}

void TcontrolForm::highlight(int code, bool on) {
  if (FieldLabel* field = fieldOfCode(code)) field->setFrame(on);
  if (code == kHoverArrow) {
    formPolyArrow->lit = on;
    formPolyArrow->update();
  }
  if (code == kHoverGraph && !on) GrafiekBox->DrawCrosshair(0, 0);
  if (code == kHoverScaleBox || code == kHoverColorBox) {
    vertScaleBox->update();
    HorScaleBox->update();
    ColorBox->update();
  }
}

void TcontrolForm::setHover(int code) {
  controller_.setHover(code);
  showHighlight();
  MsgText->setText(QString::fromStdString(ws_.MsgText));
}

void TcontrolForm::showHighlight() {
  if (shownHover_ == controller_.hoverCode) return;
  highlight(shownHover_, false);
  shownHover_ = controller_.hoverCode;
  highlight(shownHover_, true);
}

bool TcontrolForm::eventFilter(QObject* watched, QEvent* event) {
  // While another window disables this one, it takes nothing: Qt keeps input away from a
  // disabled widget, but this filter sees the application's events before any widget does.
  if (!isEnabled()) return false;
  if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt &&
      watched == this) {
    controller_.FormKeyUp(keys::kAlt);
    refresh();
  }
  if (event->type() == QEvent::KeyPress) {
    // Keys for this window, seen once: at their first receiver, the focused control or the
    // window itself (an unhandled key passes on to the parents afterwards).
    // A focus left in another window (a dialog just closed) does not count.
    QWidget* focused = QApplication::focusWidget();
    QWidget* target = focused && focused->window() == this ? focused : this;
    if (watched != target) return false;
    return keyDown(static_cast<QKeyEvent*>(event));
  }
  if (event->type() == QEvent::HoverEnter || event->type() == QEvent::Enter) {
    const int code = hoverCodeOf(watched);
    if (code > kHoverNone && code != kHoverColorBox && code != kHoverScaleBox &&
        code != kHoverGraph) {
      setHover(code);  // those three report their own mouse moves
    }
    if (watched == MsgText || watched == GroupBox1 || watched == GroupBox2 || watched == PolyGrid) {
      setHover(kHoverNone);
    }
  }
  if ((event->type() == QEvent::HoverLeave || event->type() == QEvent::Leave) &&
      hoverCodeOf(watched) > kHoverNone) {
    setHover(kHoverNone);  // off a highlighted control, onto the window's background
  }
  if (watched == PolyGrid && event->type() == QEvent::FocusIn) selectPolynomialInput();
  if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
    QDesktopServices::openUrl(QUrl(kWebAddress));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

namespace {

// The program's key code of a Qt key.
int programKey(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F10) return keys::kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return keys::kBackspace;
    case Qt::Key_Tab:
      return keys::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return keys::kEnter;
    case Qt::Key_Shift:
      return keys::kShift;
    case Qt::Key_Control:
      return keys::kControl;
    case Qt::Key_Alt:
      return keys::kAlt;
    case Qt::Key_Escape:
      return keys::kEscape;
    case Qt::Key_End:
      return keys::kEnd;
    case Qt::Key_Home:
      return keys::kHome;
    case Qt::Key_Left:
      return keys::kLeft;
    case Qt::Key_Up:
      return keys::kUp;
    case Qt::Key_Right:
      return keys::kRight;
    case Qt::Key_Down:
      return keys::kDown;
    case Qt::Key_Delete:
      return keys::kDelete;
    case Qt::Key_Period:
      return keys::kFullStop;
    default:
      return keys::kOther;  // never "no key": that starts the menu and the Alt commands
  }
}

}  // namespace

// Every key reaches the controller first: as a key going down, and, when it types a
// character and Alt is not held, as that character. What neither takes goes to the
// coefficient grid's filter while the grid is the input.
bool TcontrolForm::keyDown(QKeyEvent* event) {
  const Qt::KeyboardModifiers qt = event->modifiers();
  const KeyModifiers modifiers{(qt & Qt::ShiftModifier) != 0, (qt & Qt::ControlModifier) != 0,
                               (qt & Qt::AltModifier) != 0 || event->key() == Qt::Key_Alt};
  bool consumed = controller_.FormKeyDown(programKey(event->key()), modifiers);
  if (event->key() == Qt::Key_V && modifiers.ctrl && !modifiers.alt && !modifiers.shift) {
    controller_.FormPaste(QApplication::clipboard()->text().toStdU32String());
    consumed = true;
  }
  // Characters typed with Alt or Ctrl are commands, not text.
  const QString text = event->text();
  if (!modifiers.alt && !modifiers.ctrl && text.size() == 1) {
    const char32_t ch = text[0].unicode();
    if (controller_.FormKeyPress(ch)) {
      consumed = true;
    } else if (!controller_.formulaInputActive && ch < 128) {
      ws_.poly.PolyGridKeyPress(static_cast<char>(ch));
      consumed = true;
    }
  }
  refresh();
  return consumed;
}

void TcontrolForm::PlotBtnClick() {
  controller_.PlotBtnClick();
  refresh();
}

void TcontrolForm::askParameterDomain() {
  VdomainForm->formshow();
}
void TcontrolForm::askIntegralDomain() {
  XdomainForm->FormShow();
}

void TcontrolForm::showValueTable() {
  refresh();
  tabelForm->showTable(ws_.selection.selectedSlot);
}

void TcontrolForm::showAreaWindow() {
  refresh();
  AreaForm->FormShow(ws_.selection.selectedSlot);
}

void TcontrolForm::showAnalysis() {
  refresh();
  analyseForm->showList();
}

void TcontrolForm::askTangentX(const std::string& proposed) {
  refresh();
  raaklijnForm->ask(proposed);
}

void TcontrolForm::showColourWindow() {
  refresh();
  kleurenForm->showColours(ws_.slotColours, ws_.selection.selectedSlot, ws_.personalText);
}

void TcontrolForm::showHelp() {
  refresh();
  helpform6->showHelp();
}

void TcontrolForm::showInfo(int number) {
  refresh();
  infoForm->showPage(number);
}

void TcontrolForm::showPointsTable() {
  refresh();
  puntenForm->showTable();
}

void TcontrolForm::copyPictureToClipboard() {
  QApplication::clipboard()->setImage(imageOf(ws_.graph.picture).copy());
}

// A save dialog for a picture, in the document's folder as "bewaar" opens; `named` makes the
// file to write of the name chosen and the filter's index. A file that is there already is
// replaced only when the user says so (Qt's own question, as the graph file's dialog asks
// it); otherwise the dialog comes back. The question is asked here, after the extension is
// known, rather than by the dialog, which would ask about the name as typed.
std::optional<std::pair<std::string, int>> TcontrolForm::askPictureFile(
    const QStringList& filters, const std::function<std::string(std::string, int)>& named) {
  refresh();  // the menu is closed before the dialog comes
  QFileDialog dialog(this);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!ws_.documentPath().empty())
    dialog.setDirectory(
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(ws_.documentPath()))).absolutePath());
  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const int filter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    const std::string path =
        named(QFile::encodeName(dialog.selectedFiles().front()).toStdString(), filter);
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.exists() ||
        QMessageBox::warning(this, "Quorvel",
                             QCoreApplication::translate(
                                 "QFileDialog", "%1 already exists.\nDo you want to replace it?")
                                 .arg(file.fileName()),
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) == QMessageBox::Yes) {
      return std::pair{path, filter};
    }
    dialog.selectFile(file.absoluteFilePath());  // its folder too, wherever it was typed
  }
}

std::optional<ShellActions::PictureFile> TcontrolForm::askPictureFileName() {
  const auto chosen =
      askPictureFile({"bitmap (*.bmp)", "PNG (*.png)"}, [](std::string path, int filter) {
        if (lowerExtension(path).empty()) path += filter == 1 ? ".png" : ".bmp";  // the filter's
        return path;
      });
  if (!chosen) return std::nullopt;
  return PictureFile{chosen->first, chosen->second == 1};
}

std::vector<uint8_t> TcontrolForm::pngBytes(const Picture& picture) {
  return quorvel::pngBytes(picture);
}

std::optional<std::string> TcontrolForm::askVectorFileName() {
  const auto chosen =
      askPictureFile({"SVG (*.svg)", "PDF (*.pdf)"}, [](std::string path, int filter) {
        const std::string extension = lowerExtension(path);
        if (extension != "svg" && extension != "pdf")
          path += filter == 1 ? ".pdf" : ".svg";  // the filter's
        return path;
      });
  if (!chosen) return std::nullopt;
  return chosen->first;
}

std::vector<uint8_t> TcontrolForm::vectorBytes(const DisplayList& drawing, bool pdf,
                                               const std::string& title) {
  return quorvel::vectorBytes(drawing, pdf, title);
}

// The platform's print dialog; the picture scaled to the page, its aspect kept, centred.
void TcontrolForm::printPicture() {
  refresh();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(ws_.personalText.empty() ? QStringLiteral("Quorvel")
                                              : QString::fromStdString(ws_.personalText));
  if (printDialog) {
    if (!printDialog(printer)) return;
  } else {
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    ws_.MsgText = kWriteError;
    refresh();
    return;
  }
  drawFitted(ws_.graph.drawing, painter, kPictureSize, kPictureSize,
             printer.pageRect(QPrinter::DevicePixel)
                 .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft()));
  painter.end();
}

void TcontrolForm::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.front().isLocalFile() &&
      urls.front().toLocalFile().endsWith(".qvl", Qt::CaseInsensitive)) {
    event->acceptProposedAction();
  }
}

void TcontrolForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  controller_.openGraphFileAfterGuard(QFile::encodeName(urls.front().toLocalFile()).toStdString());
  refresh();
}

std::optional<std::string> TcontrolForm::askGraphFileName(bool save, const std::string& current) {
  refresh();  // the menu is closed before the dialog comes
  QFileDialog dialog(this);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(kGraphFileFilter);  // the same for opening and saving
  dialog.setDefaultSuffix("qvl");
  // The document's own file: its folder, and for a save its name.
  if (!current.empty()) {
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(current)));
    dialog.setDirectory(file.absolutePath());
    if (save) dialog.selectFile(file.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

ShellActions::SaveChoice TcontrolForm::askSaveChanges() {
  refresh();
  QMessageBox box(QMessageBox::Question, "Quorvel", "grafieken gewijzigd: eerst bewaren?",
                  QMessageBox::NoButton, this);
  QPushButton* save = box.addButton("bewaar", QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton("niet bewaren", QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton("annuleer", QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveChoice::Save;
  if (box.clickedButton() == discard) return SaveChoice::Discard;
  return SaveChoice::Cancel;
}

ShellActions::RecoveryChoice TcontrolForm::askRestoreRecovery() {
  QMessageBox box(QMessageBox::Question, "Quorvel",
                  "Quorvel is niet netjes afgesloten: het werk van toen herstellen?",
                  QMessageBox::NoButton, this);
  QPushButton* restore = box.addButton("herstel", QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton("weggooien", QMessageBox::DestructiveRole);
  box.setDefaultButton(restore);
  box.exec();  // closed without a choice: asked again at the next start
  if (box.clickedButton() == restore) return RecoveryChoice::Restore;
  if (box.clickedButton() == discard) return RecoveryChoice::Discard;
  return RecoveryChoice::Later;
}

void TcontrolForm::tellRecoveryDamaged() {
  QMessageBox::warning(this, "Quorvel",
                       "het werk van een vorige keer is onleesbaar (leesfout) en wordt verwijderd");
}

void TcontrolForm::closeEvent(QCloseEvent* event) {
  if (!controller_.mayDiscardDocument()) {
    event->ignore();
    refresh();
    return;
  }
  event->accept();
}

void TcontrolForm::openGraphFile(const std::string& path) {
  controller_.openGraphFileAfterGuard(path);  // after restored work, asked about first
  refresh();
}

void TcontrolForm::closeProgram() {
  close();  // through closeEvent, which asks about unsaved work
}

void TcontrolForm::GetBtnClick() {
  controller_.GetBtnClick();
  refresh();
}

void TcontrolForm::clearBtnClick() {
  controller_.clearBtnClick();
  refresh();
}

void TcontrolForm::selectFormulaInput() {
  controller_.selectFormulaInput();
  refresh();
}

void TcontrolForm::selectPolynomialInput() {
  controller_.selectPolynomialInput();
  refresh();
}

void TcontrolForm::showSettings() {
  hoektext->setText(QString::fromStdString(controller_.hoektext()));
  addtext->setText(QString::fromStdString(controller_.addtext()));
  showtext->setStyleSheet(
      QString("color: %1; background: %2;")
          .arg(ws_.settings.autoplotMode ? "black" : css(kAutoplotOff), css(kSettingsBackground)));
}

// Changes that wait for their second reach the recovery file when it has passed.
void TcontrolForm::keepRecoveryTime() {
  const std::optional<Controller::Clock::time_point> due = controller_.recoveryDue();
  if (!due) {
    recoveryTimer->stop();
    return;
  }
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - Controller::Clock::now());
  recoveryTimer->start(std::max<int>(0, static_cast<int>(wait.count())));
}

void TcontrolForm::refresh() {
  // Every event ends here: what it changed in the document becomes an undo step.
  controller_.commitStep();
  keepRecoveryTime();
  setWindowTitle(QString::fromStdString(controller_.windowTitle()));
  if (controller_.recentFilesChanged) showRecentFiles();
  MsgText->setText(QString::fromStdString(ws_.MsgText));
  // The settings boxes change only when a setting did (the start shows its own colours).
  const std::array<bool, 3> settings = {ws_.settings.degreesMode, ws_.settings.replaceMode,
                                        ws_.settings.autoplotMode};
  if (settings != shownSettings_) {
    shownSettings_ = settings;
    showSettings();
  }
  FieldLabel* fields[] = {deltatext, Atext, Btext, Ctext};
  for (int k = 0; k < 4; ++k) {
    fields[k]->setText(QString::fromStdString(ws_.constantsPanel.texts()[k]));
  }
  polyDegreeText->setText(QString::number(ws_.poly.polyDegree));
  showPolyGrid();
  showHighlight();
  menuBar->refresh();
  // The focus follows the input: none for the edit box (the window hands it the keys), the
  // grid for the polynomial input.
  if (controller_.formulaInputActive && PolyGrid->hasFocus()) PolyGrid->clearFocus();
  if (!controller_.formulaInputActive && !PolyGrid->hasFocus() && PolyGrid->isEnabled()) {
    PolyGrid->setFocus();
  }
  fedbox->setCaretVisible(controller_.editorTakesKeys);
  fedbox->update();
  formPolyArrow->update();
  ColorBox->update();
  GrafiekBox->update();
}

// The recent files as the platform's settings keep them: the paths' bytes (earlier versions
// kept them as text).
void TcontrolForm::loadRecentFiles() {
  std::vector<std::string> recent;
  for (const QVariant& path : QSettings("Quorvel", "quorvel").value("recentFiles").toList()) {
    recent.push_back(
        (path.typeId() == QMetaType::QByteArray ? path.toByteArray() : path.toString().toUtf8())
            .toStdString());
  }
  controller_.recentFiles.set(recent);
  controller_.menu.setRecentFiles(controller_.recentFiles.menuTexts());
}

// The recent files: in the menu, and kept in the platform's settings for the next run.
void TcontrolForm::showRecentFiles() {
  controller_.recentFilesChanged = false;
  QVariantList paths;
  for (const std::string& path : controller_.recentFiles.paths())
    paths << QByteArray::fromStdString(path);
  QSettings("Quorvel", "quorvel").setValue("recentFiles", paths);
  controller_.menu.setRecentFiles(controller_.recentFiles.menuTexts());
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
