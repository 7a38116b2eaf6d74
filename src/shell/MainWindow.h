#pragma once
// The main window (TcontrolForm): the coordinate window with its scale bars, the formula edit
// box and its buttons, the message line, the settings boxes, the constants, the colour box
// and the polynomial input. It turns events into calls on the controller and then shows what
// the workspace holds. Its bodies stand in four files: MainWindow.cpp (start-up, what the
// window shows, what it does for the controller), MainWindowLayout.cpp (the controls, their
// places and looks; the places in MainWindowGeometry.h), MainWindowWiring.cpp (events and
// keys to the controller, the highlight) and ShellDialogs (its dialogs).

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "shell/HoverCode.h"
#include "shell/ShellActions.h"

class QGroupBox;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QTimer;

namespace quorvel {

class ArrowBox;
class ColorBox;
class Controller;
class FieldLabel;
class GrafiekBox;
class MenuWidget;
class MotionWindow;
class ScaleBox;
class TAreaForm;
class TVdomainForm;
class TXdomainForm;
class TanalyseForm;
class TdebugForm;
class Thelpform6;
class TinfoForm;
class TkleurenForm;
class Tkor7ELBox;
class TpuntenForm;
class TraaklijnForm;
class TtabelForm;
class Workspace;

// The web address the logo opens.
inline constexpr const char* kWebAddress = "https://quorvel.org";
// The key of "exact tekenen" in the platform's settings, beside the recent files.
inline constexpr const char* kExactImplicitKey = "exactImplicit";
// The language last chosen in the menu, "nl" or "en".
inline constexpr const char* kLanguageKey = "language";

class TcontrolForm : public QWidget, public ShellActions {
 public:
  TcontrolForm(Workspace& workspace, Controller& controller);
  ~TcontrolForm() override;

  // Shows what the workspace and the controller hold: message line, settings, constants,
  // degree, caret, and repaints the boxes.
  void refresh();

  // The window for a screen whose free area (without panels) is `freeArea`, the window
  // manager's frame taking `frame` more: the whole page, or as much of it as fits in a
  // scrolling view.
  void fitToScreen(const QRect& freeArea, QSize frame);
  // The recent files kept by the last run (at start-up).
  void loadRecentFiles();
  // "exact tekenen" as the last run left it (at start-up).
  void loadExactImplicit();
  QScrollArea* scroller;
  QWidget* page;  // every control, at its place

  // Components, by the names the program has always used.
  quorvel::GrafiekBox* GrafiekBox;
  ScaleBox* vertScaleBox;
  ScaleBox* HorScaleBox;
  QPushButton* initscaleBtn;
  Tkor7ELBox* fedbox;
  ArrowBox* formPolyArrow;
  QPushButton* clearBtn;
  QPushButton* GetBtn;
  QPushButton* PlotBtn;
  QLabel* MsgText;
  QLabel* Image1;
  FieldLabel* hoektext;
  FieldLabel* addtext;
  FieldLabel* showtext;
  QGroupBox* GroupBox2;
  FieldLabel* deltatext;
  FieldLabel* Atext;
  FieldLabel* Btext;
  FieldLabel* Ctext;
  QPushButton* clearConstantsBtn;
  QLabel* Label1;
  quorvel::ColorBox* ColorBox;
  QGroupBox* GroupBox1;
  FieldLabel* polyDegreeText;
  QTableWidget* PolyGrid;
  QTimer* klok;
  QTimer* recoveryTimer;   // when changes that wait reach the recovery file
  QTimer* wheelRestTimer;  // the wheel over the picture has rested: the precise redraw
  // The other windows, in the order they are made.
  TpuntenForm* puntenForm;
  TdebugForm* debugForm;
  TVdomainForm* VdomainForm;
  TkleurenForm* kleurenForm;
  TinfoForm* infoForm;
  TtabelForm* tabelForm;
  TAreaForm* AreaForm;
  TXdomainForm* XdomainForm;
  TanalyseForm* analyseForm;
  TraaklijnForm* raaklijnForm;
  Thelpform6* helpform6;
  MotionWindow* motionForm;
  std::unique_ptr<MenuWidget> menuBar;

  // What commands ask of the window.
  void copyPictureToClipboard() override;
  std::optional<PictureFile> askPictureFileName() override;
  std::vector<uint8_t> pngBytes(const Picture& picture) override;
  std::optional<std::string> askVectorFileName() override;
  std::vector<uint8_t> vectorBytes(const DisplayList& drawing, bool pdf,
                                   const std::string& title) override;
  void printPicture() override;
  std::optional<std::string> askGraphFileName(bool save, const std::string& current) override;
  SaveChoice askSaveChanges() override;
  RecoveryChoice askRestoreRecovery() override;
  void tellRecoveryDamaged() override;
  // Tests answer the print dialog themselves: true to print with the printer as set.
  std::function<bool(QPrinter&)> printDialog;
  // The graph file named on the command line.
  void openGraphFile(const std::string& path);
  void closeProgram() override;
  void askParameterDomain() override;
  void askIntegralDomain() override;
  void showPointsTable() override;
  void showValueTable() override;
  void showAreaWindow() override;
  void showAnalysis() override;
  void askTangentX(const std::string& proposed) override;
  void showColourWindow() override;
  void showMotionWindow() override;
  std::optional<AnimationFile> askAnimationFile() override;
  void showHelp() override;
  void showInfo(int number) override;
  void switchLanguage(Language language) override;
  // The language the user last chose in the menu, if any.
  static std::optional<Language> keptLanguage();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The close button, "sluiten" and Ctrl+Q: unsaved work is asked about first.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A graph file dropped onto the window opens as "open" opens it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Every event of the window ends the same way: a call on the controller (a member function
  // and its arguments), then the window shows what it changed. Returns what the call returns.
  template <class Call, class... Arguments>
  auto run(Call call, Arguments&&... arguments);

  // The layout (MainWindowLayout.cpp).
  void buildLayout();
  void buildGraph();
  void buildEditRow();
  void buildSettingsBoxes();
  void buildConstants();
  void buildPolynomial();
  void buildOtherWindows();
  class Page;
  void paintPage(QPainter& painter);  // the bevels around the picture and the edit box
  void showStartLook();
  void showSettings();
  void showSettingTexts();  // the angle and the input mode in the language in use
  void showPolyGrid();

  // The wiring (MainWindowWiring.cpp).
  void connectEvents();
  void connectOtherWindows();
  void connectButtons();
  void connectTimers();
  void connectFields();
  void connectBoxes();
  void watchEvents();
  bool keyDown(QKeyEvent* event);
  void setHover(int code);
  void showHighlight();
  void highlight(int code, bool on);
  std::array<std::pair<int, FieldLabel*>, 8> fieldsByCode() const;
  FieldLabel* fieldOfCode(int code) const;
  // The highlight code of a control of the window, or -1.
  int hoverCodeOf(const QObject* widget) const;
  void klokTimer();
  void startKlok();

  void showRecentFiles();
  void keepExactImplicit();
  void keepRecoveryTime();

  Workspace& ws_;
  Controller& controller_;
  int shownHover_ = kHoverNone;          // the highlight on screen
  std::array<bool, 3> shownSettings_{};  // angle unit, replace, autoplot as shown
  bool keptExactImplicit_ = false;       // "exact tekenen" as the platform's settings keep it
};

template <class Call, class... Arguments>
auto TcontrolForm::run(Call call, Arguments&&... arguments) {
  if constexpr (std::is_void_v<std::invoke_result_t<Call, Controller&, Arguments...>>) {
    std::invoke(call, controller_, std::forward<Arguments>(arguments)...);
    refresh();
  } else {
    auto result = std::invoke(call, controller_, std::forward<Arguments>(arguments)...);
    refresh();
    return result;
  }
}

}  // namespace quorvel
