// The main window's wiring: the events of its controls and of the other windows turned into
// calls on the controller, the keys and the mouse as the window sees them first, and the
// highlight shown as the controller holds it.

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

#include "colours/ColorBox.h"
#include "colours/ColourWindow.h"
#include "common/Keys.h"
#include "editor/FormulaEditBox.h"
#include "fitting/PointsTableWindow.h"
#include "formula/DebugWindow.h"
#include "menu/MenuWidget.h"
#include "motion/MotionWindow.h"
#include "plot/DomainDialog.h"
#include "plot/GrafiekBox.h"
#include "plot/ScaleBox.h"
#include "shell/Controller.h"
#include "shell/MainWindow.h"
#include "shell/WindowControls.h"
#include "tools/AnalysisWindow.h"
#include "tools/AreaDialog.h"

namespace quorvel {

void TcontrolForm::connectEvents() {
  Graph::Hooks& hooks = ws_.graph.hooks;
  hooks.ShowPicture = [this] { GrafiekBox->update(); };
  hooks.messageChanged = [this] {
    MsgText->setText(QString::fromStdString(ws_.MsgText));
    MsgText->repaint();
  };
  ws_.formulas.debugListener = debugForm;
  connectOtherWindows();
  connectButtons();
  connectTimers();
  connectFields();
  connectBoxes();
  watchEvents();
}

void TcontrolForm::connectOtherWindows() {
  VdomainForm->apply = [this](const std::string& begin, const std::string& end,
                              const std::string& steps) {
    return run(&Controller::applyParameterDomain, begin, end, steps);
  };
  VdomainForm->storedDomain = [this](double& begin, double& end, int& steps) {
    return controller_.offeredParameterDomain(begin, end, steps);
  };
  XdomainForm->apply = [this](const std::string& left, const std::string& right) {
    return run(&Controller::applyIntegralDomain, left, right);
  };
  XdomainForm->repaintGraph = [this] { GrafiekBox->update(); };
  kleurenForm->applied = [this](const SlotColours& colours, const std::string& personalText) {
    run(&Controller::applyColours, colours, personalText);
  };
  AreaForm->closed = [this](const std::string& result) {
    ws_.MsgText = result;
    refresh();
  };
  raaklijnForm->plot = [this](const std::string& typedX) {
    return run(&Controller::plotTangent, typedX);
  };
  puntenForm->closed = [this] {
    ws_.graph.RedrawAll();
    refresh();
  };
  VdomainForm->closed = XdomainForm->closed = [this] { run(&Controller::domainClosed); };
  motionForm->changed = [this] { refresh(); };
}

void TcontrolForm::connectButtons() {
  connect(PlotBtn, &QPushButton::clicked, this, [this] { run(&Controller::PlotBtnClick); });
  connect(GetBtn, &QPushButton::clicked, this, [this] { run(&Controller::GetBtnClick); });
  connect(clearBtn, &QPushButton::clicked, this, [this] { run(&Controller::clearBtnClick); });
  connect(initscaleBtn, &QPushButton::pressed, this, [this] { run(&Controller::initscaleDown); });
  connect(initscaleBtn, &QPushButton::released, this, [this] { run(&Controller::releaseRefines); });
  connect(clearConstantsBtn, &QPushButton::pressed, this, [this] {
    ws_.constantsPanel.ResetConstants();
    refresh();
  });
  connect(clearConstantsBtn, &QPushButton::released, this,
          [this] { run(&Controller::releaseRefines); });
  connect(PolyGrid, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (row >= 1) ws_.poly.currentRow = row;
    run(&Controller::selectPolynomialInput);
  });
  menuBar->onChange = [this] { refresh(); };
}

void TcontrolForm::connectTimers() {
  connect(klok, &QTimer::timeout, this, [this] { klokTimer(); });
  connect(recoveryTimer, &QTimer::timeout, this, [this] {
    if (!isEnabled()) return;  // a window of the program's is open: its changes come later
    const std::string message = ws_.MsgText;
    controller_.recoveryTick();
    if (ws_.MsgText != message) refresh();
    keepRecoveryTime();
  });
}

void TcontrolForm::connectFields() {
  // Settings boxes: any button toggles.
  for (auto [box, code] : {std::pair{hoektext, int(kHoverAngle)},
                           {addtext, int(kHoverAddMode)},
                           {showtext, int(kHoverAutoplot)}}) {
    box->onPress = [this, code = code](bool) { run(&Controller::toggleSetting, code); };
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
      run(&Controller::constantFieldUp, k);
    };
  }
  polyDegreeText->onPress = [this](bool left) {
    controller_.degreeDown(left);
    startKlok();
    refresh();
  };
  polyDegreeText->onRelease = [this] {
    klok->stop();
    run(&Controller::degreeUp);
  };
  fedbox->onClick = [this](int x) { run(&Controller::fedBoxClick, x); };
  formPolyArrow->onClick = [this] {
    run(controller_.formulaInputActive ? &Controller::selectPolynomialInput
                                       : &Controller::selectFormulaInput);
  };
}

void TcontrolForm::connectBoxes() {
  ColorBox->onFirstPaint = [this] { controller_.colorBoxPaint(); };
  ColorBox->onMouseMove = [this](int x, int y) {
    setHover(kHoverColorBox);
    run(&Controller::colorBoxHover, x, y);
  };
  ColorBox->onMouseDown = [this](int x, int y) { run(&Controller::colorBoxClick, x, y); };
  ColorBox->slotName = [this](int slot) { return SlotSelection::slotName(slot, ws_.formulas); };
  GrafiekBox->describe = [this] { return ws_.description.describe(ws_.slotColours); };
  GrafiekBox->onHover = [this] { setHover(kHoverGraph); };
  GrafiekBox->onMouseDown = [this](int x, int y, Qt::MouseButton, bool shift) {
    run(&Controller::GrafiekBoxMouseDown, x, y, shift);
  };
  // The left and the middle button drag the picture, or click when they do not move.
  GrafiekBox->onPress = [this](int x, int y, bool shift) {
    controller_.picturePress(x, y, shift, QApplication::startDragDistance());
  };
  GrafiekBox->onDrag = [this](int x, int y) {
    if (controller_.pictureMove(x, y)) refresh();
  };
  GrafiekBox->onRelease = [this] { run(&Controller::pictureRelease); };
  GrafiekBox->onWheel = [this](int x, int y, int angle, bool shift, bool ctrl) {
    if (!controller_.pictureWheel(x, y, angle, shift, ctrl)) return;
    wheelRestTimer->start();  // again from now on: the redraw waits for the wheel to rest
    refresh();
  };
  connect(wheelRestTimer, &QTimer::timeout, this, [this] { run(&Controller::pictureWheelRest); });
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
}

// The window sees every key first, and the mouse entering each of its controls.
void TcontrolForm::watchEvents() {
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

// The text fields that highlight, by their codes.
std::array<std::pair<int, FieldLabel*>, 8> TcontrolForm::fieldsByCode() const {
  return {{{kHoverAngle, hoektext},
           {kHoverAddMode, addtext},
           {kHoverAutoplot, showtext},
           {kHoverDelta, deltatext},
           {kHoverDelta + 1, Atext},
           {kHoverDelta + 2, Btext},
           {kHoverDelta + 3, Ctext},
           {kHoverDegree, polyDegreeText}}};
}

FieldLabel* TcontrolForm::fieldOfCode(int code) const {
  for (auto [fieldCode, field] : fieldsByCode()) {
    if (code == fieldCode) return field;
  }
  return nullptr;
}

int TcontrolForm::hoverCodeOf(const QObject* widget) const {
  if (widget == formPolyArrow) return kHoverArrow;
  if (widget == ColorBox) return kHoverColorBox;
  if (widget == GrafiekBox) return kHoverGraph;
  if (widget == vertScaleBox || widget == HorScaleBox) return kHoverScaleBox;
  for (auto [code, field] : fieldsByCode()) {
    if (widget == field) return code;
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
  if (watched == PolyGrid && event->type() == QEvent::FocusIn) {
    run(&Controller::selectPolynomialInput);
  }
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
  static constexpr std::pair<int, int> kKeys[] = {{Qt::Key_Backspace, keys::kBackspace},
                                                  {Qt::Key_Tab, keys::kTab},
                                                  {Qt::Key_Return, keys::kEnter},
                                                  {Qt::Key_Enter, keys::kEnter},
                                                  {Qt::Key_Shift, keys::kShift},
                                                  {Qt::Key_Control, keys::kControl},
                                                  {Qt::Key_Alt, keys::kAlt},
                                                  {Qt::Key_Escape, keys::kEscape},
                                                  {Qt::Key_End, keys::kEnd},
                                                  {Qt::Key_Home, keys::kHome},
                                                  {Qt::Key_Left, keys::kLeft},
                                                  {Qt::Key_Up, keys::kUp},
                                                  {Qt::Key_Right, keys::kRight},
                                                  {Qt::Key_Down, keys::kDown},
                                                  {Qt::Key_Delete, keys::kDelete},
                                                  {Qt::Key_Period, keys::kFullStop}};
  for (auto [qt, program] : kKeys) {
    if (key == qt) return program;
  }
  return keys::kOther;  // never "no key": that starts the menu and the Alt commands
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

}  // namespace quorvel
