#pragma once
// What the main window does, without the window: which input is selected, the buttons
// "plot", "laad" and "R", the settings boxes, the highlight under the mouse, the scale bars,
// the constants fields and the repeat timer. The window turns events into these calls and
// then shows what the workspace holds.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fitting/CurveFits.h"
#include "menu/Menu.h"
#include "menu/RecentFiles.h"
#include "plot/DomainInput.h"
#include "plot/ScaleButtons.h"
#include "shell/Workspace.h"
#include "storage/Recovery.h"

namespace quorvel {

// Controls that highlight under the mouse (`hoverCode`).
enum HoverCode : int {
  kHoverNone = 0,
  kHoverColorBox = 1,
  kHoverScaleBox = 2,
  kHoverAngle = 3,     // hoektext
  kHoverAddMode = 4,   // addtext
  kHoverAutoplot = 5,  // showtext
  kHoverDelta = 6,     // deltatext; 7, 8, 9 are Atext, Btext, Ctext
  kHoverGraph = 10,
  kHoverMenu = 11,
  kHoverDegree = 12,  // polyDegreeText
  kHoverArrow = 13,   // formPolyArrow
};

// The texts of the settings boxes.
inline constexpr const char* kRadians = "RADIALEN";
inline constexpr const char* kDegrees = "GRADEN";
inline constexpr const char* kAddMode = "TOEVOEGEN";
inline constexpr const char* kReplaceMode = "VERVANGEN";
inline constexpr const char* kAutoplot = "AUTOPLOT";

// "laad" on a slot whose formula is longer than the edit box holds.
inline constexpr const char* kTooLongToLoad = "formule te lang om te laden";
// "plot" of a formula text longer than a graph file holds.
inline constexpr const char* kTooLongToSave = "formule te lang om te bewaren";
// Undo and redo, the recovery files, the recent files.
inline constexpr const char* kUndone = "ongedaan gemaakt";
inline constexpr const char* kRedone = "opnieuw";
inline constexpr const char* kNothingToUndo = "niets ongedaan te maken";
inline constexpr const char* kNothingToRedo = "niets opnieuw te doen";
inline constexpr const char* kRecoveryOff = "herstel uit: map niet schrijfbaar";
inline constexpr const char* kRecovered = "werk hersteld";
inline constexpr const char* kRecentMissing = "bestand niet gevonden: uit de lijst";

// What only the window can do for a command.
class ShellActions {
 public:
  virtual ~ShellActions() = default;
  virtual void copyPictureToClipboard() = 0;
  // The file to save the picture in, and whether the PNG filter was chosen in the dialog;
  // nothing when the user cancelled.
  struct PictureFile {
    std::string path;
    bool pngChosen = false;
  };
  virtual std::optional<PictureFile> askPictureFileName() = 0;
  // The picture as PNG bytes (the encoder is the toolkit's).
  virtual std::vector<uint8_t> pngBytes(const Picture& picture) = 0;
  // The file for the picture as a vector drawing: .svg or .pdf; nothing when cancelled.
  virtual std::optional<std::string> askVectorFileName() = 0;
  // The picture's record as an SVG or PDF file's bytes (the toolkit draws them).
  virtual std::vector<uint8_t> vectorBytes(const DisplayList& drawing, bool pdf,
                                           const std::string& title) = 0;
  // The print dialog, and the picture printed as the user chose.
  virtual void printPicture() = 0;
  // The graph file to save (`save`, proposing `current` when there is one) or to open, or
  // nothing when the user cancelled.
  virtual std::optional<std::string> askGraphFileName(bool save, const std::string& current) = 0;
  // Unsaved changes are about to be discarded: save them first, discard them, or cancel.
  enum class SaveChoice { Save, Discard, Cancel };
  virtual SaveChoice askSaveChanges() = 0;
  // A run that crashed left its work: restore it, discard it, or keep it for a later start.
  enum class RecoveryChoice { Restore, Discard, Later };
  virtual RecoveryChoice askRestoreRecovery() = 0;
  // The recovery file left behind cannot be read; it is removed after this.
  virtual void tellRecoveryDamaged() = 0;
  virtual void closeProgram() = 0;
  // The domain windows, which plot the slot when their values are accepted.
  virtual void askParameterDomain() = 0;
  virtual void askIntegralDomain() = 0;
  // The points table, the value table and the area window of the selected slot; the main
  // window is disabled until they close.
  virtual void showPointsTable() = 0;
  virtual void showValueTable() = 0;
  virtual void showAreaWindow() = 0;
  // The list of what the analysis of the selected slot found; the main window is disabled
  // until it closes.
  virtual void showAnalysis() = 0;
  // The tangent's dialog, the x of the cross-hair proposed; it plots through plotTangent.
  virtual void askTangentX(const std::string& proposed) = 0;
  // The colour window, the help window, and info page 1..3.
  virtual void showColourWindow() = 0;
  virtual void showHelp() = 0;
  virtual void showInfo(int page) = 0;
};

// The Alt-letter command in progress.
enum AltCommand : int {
  kAltNone = 0,
  kAltDegree = 1,     // D
  kAltConstants = 2,  // C
  kAltSettings = 3,   // M
  kAltScroll = 4,     // S
  kAltZoom = 5,       // Z
  kAltQuadrant = 6,   // Q
  kAltB = 7,          // B: bitmap to the clipboard (C), graph file (F), bitmap file (P)
  kAltFunctions = 9,  // F
};

// The modifiers held with a key.
struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class Controller {
 public:
  explicit Controller(Workspace& workspace);

  ShellActions* shell = nullptr;
  Menu menu;

  // ---- Commands: every menu entry and command key ends here.
  void executeCommand(Command command);
  void restartAll();
  // A graph file opened (the "open" command, or the file named at start).
  void openGraphFile(const std::string& path);
  // "--> disk" writes PNG when the name ends in .png, BMP when it ends in .bmp, and otherwise
  // what the dialog's filter says.
  static bool savesAsPng(const ShellActions::PictureFile& file);
  // The colour window's "toepassen": new slot colours and personal text, everything redrawn.
  void applyColours(const SlotColours& colours, const std::string& personalText);

  // ---- Analysis of the selected slot ("nulpunten", "extremen", "snijpunten", "raaklijn").
  // The tangent at the typed x into the first empty slot after the selected one, which is
  // then selected; the fault for the dialog (which stays open) when there is none.
  std::optional<std::string> plotTangent(std::string_view typedX);

  // ---- The document: undo and redo, saving, the guard, recovery, the recent files.
  using Clock = std::chrono::steady_clock;
  // The end of every action of the user: a change of the document since the last step
  // becomes one undo step; while a button or key repeats, or an Alt command is in progress,
  // the step waits for its end. Then the recovery file follows.
  void commitStep(Clock::time_point now = Clock::now());
  void undo();
  void redo();
  // Saves in place (Ctrl+S), or with the dialog when the document has no file yet or `ask`
  // ("bewaar"). False when it was not saved.
  bool saveDocument(bool ask);
  // Before the document is discarded (ending, "herstart", opening another file): true when
  // it may go, because nothing is unsaved or the user saved or discarded it.
  bool mayDiscardDocument();
  // A graph file opened over the document, after the guard (a file dropped, a recent file).
  void openGraphFileAfterGuard(const std::string& path);
  // Where the document goes after a crash; none in tests and headless work.
  RecoveryFiles* recovery = nullptr;
  // Written when the document has unsaved changes that it does not hold yet: at once after a
  // quiet second, otherwise a second after the write before; removed when the document is
  // saved or unchanged.
  void recoveryTick(Clock::time_point now = Clock::now());
  // When the next tick must come for changes that wait for their second; nothing when none
  // wait. The window's timer keeps this time.
  std::optional<Clock::time_point> recoveryDue() const { return recoveryDue_; }
  // The unsaved work to the recovery file now, however soon after the last write.
  void writeRecoveryNow();
  static constexpr std::chrono::seconds kRecoveryInterval{1};
  // At start-up: the work a crashed run left behind is offered (never loaded unasked).
  void offerRecovery();
  // The title of the window: the file's name, a mark while there are unsaved changes.
  std::string windowTitle() const;
  RecentFiles recentFiles;
  bool recentFilesChanged = false;  // the window stores them again

  // ---- Keys, as the window sees them first. Key codes are the program's (common/Keys.h).
  int altCommand = kAltNone;
  int settingsCursor = kHoverAddMode;
  int constantsCursor = 2;
  bool swallowKeyPress = false;
  // Returns whether the key is consumed.
  bool FormKeyDown(int key, KeyModifiers modifiers);
  // A typed character; returns whether it is consumed (otherwise it goes to the focused
  // control, the coefficient grid).
  bool FormKeyPress(char32_t ch);
  // Text pasted (Ctrl+V): into the input that has the keys, character by character as typed.
  void FormPaste(std::u32string_view text);
  void FormKeyUp(int key);

  // ---- Inputs
  bool formulaInputActive = true;  // the edit box (true) or the coefficient grid
  bool editorTakesKeys = true;
  // Gives the keys to the edit box, also from the menu's keyboard control.
  void selectFormulaInput();
  void selectPolynomialInput();

  // A click into the edit box at `x` pixels: the formula input, the cursor at the click.
  void fedBoxClick(int x);

  // A mouse press on the picture: a point added or removed.
  void GrafiekBoxMouseDown(int column, int row, bool shift);

  // ---- Buttons. PlotBtnClick plots, or asks for the domain first; it tells which.
  AfterTranslation PlotBtnClick();
  void GetBtnClick();
  void clearBtnClick();
  // The domain windows' "toepassen": checks, stores into the selected slot and plots.
  ParameterDomainCheck applyParameterDomain(std::string_view begin, std::string_view end,
                                            std::string_view steps);
  IntegralDomainCheck applyIntegralDomain(std::string_view left, std::string_view right);
  // A domain window closed. Unless its values were accepted, the slot gets back what it held
  // before the formula was translated into it.
  void domainClosed();

  // ---- Settings boxes (hover codes 3, 4, 5).
  void toggleSetting(int code);
  std::string hoektext() const;
  std::string addtext() const;

  // ---- Highlight under the mouse; what leaves the highlight is restored.
  int hoverCode = kHoverNone;
  // `force`: a keyboard command highlights even while the mouse may not.
  void setHover(int code, bool force = false);

  // ---- Held buttons: constant fields (field 0..3: step, a, b, c), the degree, the scale
  // bars; the timer ticks repeat `repeatAction`.
  int repeatAction = 0;
  void constantFieldDown(int field, bool leftButton);
  void constantFieldUp(int field);
  void degreeDown(bool leftButton);
  void degreeUp();
  void StepPolyDegree(int code);
  void klokTimer();

  ScaleButtons scaleButtons;
  // Mouse over a bar at `position` along it; true when the highlighted place changed.
  bool scaleBoxMouseMove(bool horizontal, int position);
  // 1 left and 2 right button down, 0 released.
  void ScaleBoxButton(int button);
  void initscaleDown();
  void releaseRefines();  // mouse up on "X" or the constants' "R"

  // ---- The colour box.
  void colorBoxHover(int x, int y);
  void colorBoxClick(int x, int y);
  void colorBoxPaint();

 private:
  int selectedSlot();
  void finishAltCommand();
  void altKey(int key);
  void lookUpAltKey(int key);
  bool controlKey(int key, bool shift);
  void substituteSelected();
  void savePicture();
  void saveVectorPicture();
  void showFit(const FitOutcome& fit);
  void showValueTable();
  void analyse(Command command);
  void askTangent();
  void restore(const DocumentBytes& from, const UndoHistory::Snapshot& snapshot);
  void openRecentFile(int index);
  Clock::time_point lastRecoveryWrite_{};
  std::optional<Clock::time_point> recoveryDue_;
  DocumentBytes recoveryWritten_;  // what the recovery file holds; empty: no file
  std::string recoveryPathWritten_;
  bool recoveryOffShown_ = false;

  Workspace& ws_;
  // The slot as it was before a formula that waits for its domain was translated into it.
  std::optional<FormulaEngine::SlotState> beforeDomain_;
  int domainSlot_ = 0;
};

}  // namespace quorvel
