// The commands of the menu and the command keys, run through one dispatcher. A number without
// a command (a free place in the menu's scheme) does nothing but empty the message line and
// close the menu.

#include "common/NumberText.h"
#include "common/PathText.h"
#include "common/SafeFile.h"
#include "fitting/CurveFits.h"
#include "plot/BitmapFile.h"
#include "shell/Controller.h"
#include "tools/Analysis.h"

namespace quorvel {

inline constexpr const char* kNoFormula = "geen formule/polynoom";
inline constexpr const char* kOnlyFunctions = "alleen functies";
inline constexpr const char* kToClipboard = "grafieken --> klembord";

namespace {

// What a command of "form / poly" > "poly >>" does to the polynomial.
int polyOperationOf(Command command) {
  static constexpr std::pair<Command, int> kOperations[] = {
      {Command::PolyPlus, kPolyPlus},
      {Command::PolyMinus, kPolyMinus},
      {Command::PolyTimes, kPolyTimes},
      {Command::PolyRound, kPolyRound},
      {Command::PolyDerive, kPolyDerive},
      {Command::PolyIntegrate, kPolyIntegrate},
      {Command::PolyMirrorX, kPolyMirrorX},
      {Command::PolyMirrorY, kPolyMirrorY},
      {Command::PolyMirrorOrigin, kPolyMirrorOrigin}};
  for (auto [poly, operation] : kOperations) {
    if (poly == command) return operation;
  }
  return 0;
}

// The model a command of "punten" > "maak >>" > "exp.functie y=" fits.
int exponentialModelOf(Command command) {
  static constexpr std::pair<Command, ExponentialModel> kModels[] = {
      {Command::FitExpPlusC, kExpPlusC},
      {Command::FitExpEPlusC, kExpEPlusC},
      {Command::FitExpQuadratic, kExpQuadratic},
      {Command::FitExpPower, kExpPower},
      {Command::FitExpE, kExpE}};
  for (auto [fit, model] : kModels) {
    if (fit == command) return model;
  }
  return 0;
}

// The info page a command of "info" shows.
int infoPageOf(Command command) {
  return command == Command::About ? 1 : command == Command::Status ? 2 : 3;
}

}  // namespace

void Controller::executeCommand(Command command) {
  ws_.MsgText.clear();
  // Closed before the command too: no list may stay open behind a window the command opens.
  menu.closeMenu();
  switch (command) {
    case Command::Restart:
      if (mayDiscardDocument()) restartAll();
      break;
    case Command::DeleteSlot:
      ws_.formulas.slotKind[selectedSlot()] = kSlotEmpty;
      ws_.graph.RedrawAll();
      break;
    case Command::ClearGraphs:
      for (int slot = 1; slot <= kSlotCount; ++slot)
        ws_.formulas.slotKind[slot] = kSlotEmpty;
      ws_.graph.RedrawAll();
      break;
    case Command::Redraw:  // without the analysis's marks
      ws_.analysis.clear();
      ws_.graph.RedrawAll();
      break;
    case Command::PointsTable:
      if (shell) shell->showPointsTable();
      break;
    case Command::FitPolynomial:
      ws_.poly.FitPolynomial(ws_.points, selectedSlot(), ws_.leastSquares);
      break;
    case Command::ClearPoints:
      ws_.points.deleteAll();
      ws_.graph.RedrawAll();
      break;
    case Command::SubstituteAbc:
      substituteSelected();
      break;
    case Command::PolyPlus:
    case Command::PolyMinus:
    case Command::PolyTimes:
    case Command::PolyRound:
    case Command::PolyDerive:
    case Command::PolyIntegrate:
    case Command::PolyMirrorX:
    case Command::PolyMirrorY:
    case Command::PolyMirrorOrigin:
      if (ws_.poly.PolyCommand(polyOperationOf(command), selectedSlot())) selectPolynomialInput();
      break;
    case Command::Colours:
      if (shell) shell->showColourWindow();
      break;
    case Command::Roots:
    case Command::Extrema:
    case Command::Intersections:
      analyse(command);
      break;
    case Command::Tangent:
      askTangent();
      break;
    case Command::Save:  // proposing the document's own file
      saveDocument(true);
      break;
    case Command::Open:
      if (!shell || !mayDiscardDocument()) break;
      if (const auto path = shell->askGraphFileName(false, ws_.documentPath()))
        openGraphFile(*path);
      break;
    case Command::PictureToClipboard:
      if (shell) shell->copyPictureToClipboard();
      ws_.MsgText = kToClipboard;
      break;
    case Command::About:
    case Command::Status:
    case Command::Conditions:
      if (shell) shell->showInfo(infoPageOf(command));
      break;
    case Command::Help:
      if (shell) shell->showHelp();
      break;
    case Command::PictureToFile:
      savePicture();
      break;
    case Command::PictureToVector:
      saveVectorPicture();
      break;
    case Command::Print:
      if (shell) shell->printPicture();
      break;
    case Command::ValueTable:
      showValueTable();
      break;
    case Command::Area:
      if (shell) shell->showAreaWindow();
      break;
    case Command::FitCircle:
      showFit(MakeCircle(ws_.points, ws_.graph.scale));
      break;
    case Command::FitLine:
      showFit(MakeLine(ws_.points));
      break;
    case Command::Undo:
      undo();
      break;
    case Command::Redo:
      redo();
      break;
    case Command::FitExpPlusC:
    case Command::FitExpEPlusC:
    case Command::FitExpQuadratic:
    case Command::FitExpPower:
    case Command::FitExpE:
      showFit(FitExponential(exponentialModelOf(command), ws_.points, ws_.graph.scale,
                             ws_.leastSquares));
      break;
    case Command::Close:  // the window asks first, as for its close button
      if (shell) shell->closeProgram();
      break;
    default:
      if (const int recent = recentFileIndex(command, int(RecentFiles::kMax)); recent >= 0)
        openRecentFile(recent);
      break;
  }
  menu.closeMenu();
  ws_.settings.keyboardMode = false;
}

// Everything back to the start but the settings, the colours and the personal text.
void Controller::restartAll() {
  for (int slot = 1; slot <= kSlotCount; ++slot)
    ws_.formulas.slotKind[slot] = kSlotEmpty;
  ws_.constantsPanel.ResetConstants();
  ws_.points.deleteAll();
  ws_.graph.ResetScale();
  ws_.graph.DrawGrid();
  ws_.graph.ShowPicture();
  ws_.poly.ResetPolyGrid();
  ws_.editor.fedClear();
  selectFormulaInput();
  ws_.startDocument("");  // a new document, of no file yet
}

void Controller::openGraphFile(const std::string& path) {
  const Workspace::LoadStatus status = ws_.LoadGraphFile(path);
  if (status == Workspace::LoadStatus::Loaded ||
      status == Workspace::LoadStatus::LoadedWithFaults) {
    recentFiles.add(path);
    recentFilesChanged = true;
  }
}

// A fitted curve is shown and plotted as if the user had typed it.
void Controller::showFit(const FitOutcome& fit) {
  if (!fit.formula) {
    ws_.MsgText = fit.message;
    if (fit.clearEditBox) ws_.editor.fedClear();
    return;
  }
  ws_.editor.fedSetText(*fit.formula);
  selectFormulaInput();
  PlotBtnClick();
}

void Controller::analyse(Command command) {
  Analysis& analysis = ws_.analysis;
  const int slot = selectedSlot();
  const std::string message = command == Command::Roots     ? analysis.findRoots(slot)
                              : command == Command::Extrema ? analysis.findExtrema(slot)
                                                            : analysis.findIntersections(slot);
  ws_.graph.RedrawAll();  // the marks of this search, none of the one before
  ws_.MsgText = message;
  if (!analysis.results.empty() && shell) shell->showAnalysis();
}

void Controller::askTangent() {
  if (auto reason = ws_.analysis.whyNot(selectedSlot())) {
    ws_.MsgText = *reason;
    return;
  }
  if (shell) shell->askTangentX(FormatFloat(kTableNumberFormat, ws_.graph.scale.cursorWorldX));
}

std::optional<std::string> Controller::plotTangent(std::string_view typedX) {
  const std::optional<double> x0 = parseTypedNumber(typedX);
  if (!x0) return "fout getal";
  const int slot = selectedSlot();
  const FitOutcome tangent = ws_.analysis.tangentAt(slot, *x0);
  if (!tangent.formula) return tangent.message;
  // Beside the function, never over it.
  int target = 0;
  for (int step = 1; step < kSlotCount && target == 0; ++step) {
    const int candidate = (slot - 1 + step) % kSlotCount + 1;
    if (ws_.formulas.slotKind[candidate] == kSlotEmpty) target = candidate;
  }
  if (target == 0) return "geen lege plaats voor de raaklijn";
  ws_.selection.hoverSlot = target;
  ws_.selection.selectHoveredSlot();
  showFit(tangent);
  return std::nullopt;
}

void Controller::applyColours(const SlotColours& colours, const std::string& personalText) {
  ws_.slotColours = colours;
  ws_.selection.hoverSlot = selectedSlot();
  ws_.selection.selectHoveredSlot();
  ws_.personalText = personalText;
  ws_.graph.RedrawAll();
}

bool Controller::savesAsPng(const ShellActions::PictureFile& file) {
  const std::string extension = lowerExtension(file.path);
  if (extension == "png" || extension == "bmp") return extension == "png";
  return file.pngChosen;
}

void Controller::savePicture() {
  if (!shell) return;
  const std::optional<ShellActions::PictureFile> file = shell->askPictureFileName();
  if (!file) return;
  const Picture& picture = ws_.graph.picture;
  const bool saved = savesAsPng(*file) ? writeFileSafely(file->path, shell->pngBytes(picture))
                                       : writeBitmapFile(picture, file->path);
  if (!saved) ws_.MsgText = kWriteError;
}

// The extension decides: .pdf a PDF, anything else (the dialog gives .svg) an SVG.
void Controller::saveVectorPicture() {
  if (!shell) return;
  const std::optional<std::string> path = shell->askVectorFileName();
  if (!path) return;
  const bool pdf = lowerExtension(*path) == "pdf";
  if (!writeFileSafely(*path, shell->vectorBytes(ws_.graph.drawing, pdf, ws_.personalText))) {
    ws_.MsgText = kWriteError;
  }
}

void Controller::showValueTable() {
  const uint8_t kind = ws_.formulas.slotKind[selectedSlot()];
  if (kind == kSlotEmpty) {
    ws_.MsgText = kNoFormula;
  } else if (kind == kSlotImplicit) {
    ws_.MsgText = kOnlyFunctions;
  } else if (shell) {
    shell->showValueTable();
  }
}

void Controller::substituteSelected() {
  const int slot = selectedSlot();
  const uint8_t kind = ws_.formulas.slotKind[slot];
  if (kind == kSlotEmpty) {
    ws_.MsgText = kNoFormula;
  } else if (kind == kSlotPolynomial) {
    ws_.poly.SubstPolyConstants(slot);
  } else {
    const ConstantsPanel& panel = ws_.constantsPanel;
    const auto failure =
        ws_.formulas.substituteABC(slot, {ws_.constants.a, ws_.constants.b, ws_.constants.c},
                                   {panel.Atext(), panel.Btext(), panel.Ctext()});
    if (failure) ws_.MsgText = *failure;
  }
}

}  // namespace quorvel
