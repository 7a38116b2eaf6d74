// The numbered commands of the menu and the command keys, run through one dispatcher.
// A number without a command (a free place in the menu's scheme) does nothing but empty the
// message line and close the menu.

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

void Controller::executeCommand(int n) {
  ws_.MsgText.clear();
  // Closed before the command too: no list may stay open behind a window the command opens.
  menu.closeMenu();
  switch (n) {
    case 2:
      if (mayDiscardDocument()) restartAll();
      break;
    case 4:  // "verwijderen"
      ws_.formulas.slotKind[selectedSlot()] = kSlotEmpty;
      ws_.graph.RedrawAll();
      break;
    case 5:  // "wissen" (grafieken)
      for (int slot = 1; slot <= kSlotCount; ++slot)
        ws_.formulas.slotKind[slot] = kSlotEmpty;
      ws_.graph.RedrawAll();
      break;
    case 6:  // "herschrijven": without the analysis's marks
      ws_.analysis.clear();
      ws_.graph.RedrawAll();
      break;
    case 7:  // "tabel" (punten)
      if (shell) shell->showPointsTable();
      break;
    case 8:  // "polynoom": the least-squares fit
      ws_.poly.FitPolynomial(ws_.points, selectedSlot(), ws_.leastSquares);
      break;
    case 9:  // "wissen" (punten)
      ws_.points.deleteAll();
      ws_.graph.RedrawAll();
      break;
    case 10:  // "subst. abc"
      substituteSelected();
      break;
    case kPolyPlus:
    case kPolyMinus:
    case kPolyTimes:
    case kPolyRound:
    case kPolyDerive:
    case kPolyIntegrate:
    case kPolyMirrorX:
    case kPolyMirrorY:
    case kPolyMirrorOrigin:
      if (ws_.poly.PolyCommand(n, selectedSlot())) selectPolynomialInput();
      break;
    case 20:  // "kleuren"
      if (shell) shell->showColourWindow();
      break;
    case 21:  // "nulpunten"
    case 22:  // "extremen"
    case 23:  // "snijpunten"
      analyse(n);
      break;
    case 32:  // "raaklijn"
      askTangent();
      break;
    case 24:  // "bewaar", proposing the document's own file
      saveDocument(true);
      break;
    case 25:  // "open"
      if (!shell || !mayDiscardDocument()) break;
      if (const auto path = shell->askGraphFileName(false, ws_.documentPath()))
        openGraphFile(*path);
      break;
    case 26:  // "--> klembord"
      if (shell) shell->copyPictureToClipboard();
      ws_.MsgText = kToClipboard;
      break;
    case 27:  // "over ..."
    case 34:  // "status"
    case 35:  // "condities"
      if (shell) shell->showInfo(n == 27 ? 1 : n == 34 ? 2 : 3);
      break;
    case 28:  // "help"
      if (shell) shell->showHelp();
      break;
    case 29:  // "--> disk"
      savePicture();
      break;
    case 46:  // "--> svg/pdf"
      saveVectorPicture();
      break;
    case 47:  // "--> printer"
      if (shell) shell->printPicture();
      break;
    case 30:  // "tabellen"
      showValueTable();
      break;
    case 31:  // "oppervlakte"
      if (shell) shell->showAreaWindow();
      break;
    case 33:  // "cirkel"
      showFit(MakeCircle(ws_.points, ws_.graph.scale));
      break;
    case 36:  // "lijn"
      showFit(MakeLine(ws_.points));
      break;
    case 37:  // "ongedaan maken"
      undo();
      break;
    case 38:  // "opnieuw"
      redo();
      break;
    case 41:  // "ab^x+c", "ae^(bx)+c", "e^(ax^2+bx+c)", "ab^x", "ae^(bx)"
    case 42:
    case 43:
    case 44:
    case 45:
      showFit(FitExponential(n - 40, ws_.points, ws_.graph.scale, ws_.leastSquares));
      break;
    case 99:  // "sluiten": the window asks first, as for its close button
      if (shell) shell->closeProgram();
      break;
    default:
      if (n >= kFirstRecentCommand && n < kFirstRecentCommand + int(RecentFiles::kMax)) {
        openRecentFile(n - kFirstRecentCommand);
      }
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

void Controller::analyse(int command) {
  Analysis& analysis = ws_.analysis;
  const int slot = selectedSlot();
  const std::string message = command == 21   ? analysis.findRoots(slot)
                              : command == 22 ? analysis.findExtrema(slot)
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
