#pragma once
// The main window (TcontrolForm): the coordinate window with its scale bars, the formula edit
// box and its buttons, the message line, the settings boxes, the constants, the colour box
// and the polynomial input. It turns events into calls on the controller and then shows what
// the workspace holds.

#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "colours/ColorBox.h"
#include "colours/ColourWindow.h"
#include "editor/FormulaEditBox.h"
#include "fitting/PointsTableWindow.h"
#include "formula/DebugWindow.h"
#include "help/HelpWindow.h"
#include "info/InfoWindow.h"
#include "menu/MenuWidget.h"
#include "plot/DomainDialog.h"
#include "plot/GrafiekBox.h"
#include "plot/ScaleBox.h"
#include "shell/Controller.h"
#include "shell/WindowControls.h"
#include "shell/Workspace.h"
#include "tools/AnalysisWindow.h"
#include "tools/AreaDialog.h"
#include "tools/ValueTableWindow.h"

namespace quorvel {

// The web address the logo opens.
inline constexpr const char* kWebAddress = "https://quorvel.org";
// What the open and save dialogs show for graph files.
inline constexpr const char* kGraphFileFilter = "Quorvel-grafieken (*.qvl)";

// On a screen below the comfortable size, before the window opens: "scherm te klein:
// dooraan?" with "OK" and "Nee"; true to go on.
bool goOnWithSmallScreen();

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
  QTimer* recoveryTimer;  // when changes that wait reach the recovery file
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
  void showHelp() override;
  void showInfo(int page) override;

  void PlotBtnClick();
  void GetBtnClick();
  void clearBtnClick();
  void selectFormulaInput();
  void selectPolynomialInput();
  void showSettings();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The close button, "sluiten" and Ctrl+Q: unsaved work is asked about first.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A graph file dropped onto the window opens as "open" opens it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildLayout();
  void connectEvents();
  void setHover(int code);
  void showHighlight();
  void highlight(int code, bool on);
  FieldLabel* fieldOfCode(int code) const;
  // The highlight code of a control of the window, or -1.
  int hoverCodeOf(const QObject* widget) const;
  bool keyDown(QKeyEvent* event);
  void showPolyGrid();
  void showRecentFiles();
  void keepRecoveryTime();
  std::optional<std::pair<std::string, int>> askPictureFile(
      const QStringList& filters, const std::function<std::string(std::string, int)>& named);
  void klokTimer();
  void startKlok();
  class Page;
  void paintPage(QPainter& painter);  // the bevels around the picture and the edit box

  Workspace& ws_;
  Controller& controller_;
  int shownHover_ = kHoverNone;          // the highlight on screen
  std::array<bool, 3> shownSettings_{};  // angle unit, replace, autoplot as shown
};

}  // namespace quorvel
