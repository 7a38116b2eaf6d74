#include "shell/CommandRunner.h"

#include "common/Language.h"
#include "common/NumberText.h"
#include "common/PathText.h"
#include "common/SafeFile.h"
#include "motion/AnimationExport.h"
#include "plot/BitmapFile.h"
#include "tools/Analysis.h"

namespace quorvel {

namespace {

constexpr const char* kNoFormula = QT_TRANSLATE_NOOP("quorvel", "geen formule/polynoom");
constexpr const char* kOnlyFunctions = QT_TRANSLATE_NOOP("quorvel", "alleen functies");
constexpr const char* kToClipboard = QT_TRANSLATE_NOOP("quorvel", "grafieken --> klembord");

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

}  // namespace

void CommandRunner::executeCommand(Command command) {
  ws_.MsgText.clear();
  // Closed before the command too: no list may stay open behind a window the command opens.
  menu_.closeMenu();
  runGeneral(command);
  runPicture(command);
  runFormulas(command);
  runGraphs(command);
  runPoints(command);
  runInfo(command);
  menu_.closeMenu();
  ws_.settings.keyboardMode = false;
}

bool CommandRunner::isOn(Command command) const {
  return command == Command::ExactImplicit && ws_.settings.exactImplicit;
}

// "algemeen", and its "recent >>".
void CommandRunner::runGeneral(Command command) {
  switch (command) {
    case Command::Restart:
      if (document_.mayDiscardDocument()) restartAll();
      break;
    case Command::Save:  // proposing the document's own file
      document_.saveDocument(true);
      break;
    case Command::Open:
      open();
      break;
    case Command::Close:  // the window asks first, as for its close button
      if (shell_) shell_->closeProgram();
      break;
    case Command::Undo:
      document_.undo();
      break;
    case Command::Redo:
      document_.redo();
      break;
    default:
      break;
  }
  const int recent = recentFileIndex(command, static_cast<int>(RecentFiles::kMax));
  if (recent >= 0) document_.openRecentFile(recent);
}

// "algemeen" > "snap".
void CommandRunner::runPicture(Command command) {
  switch (command) {
    case Command::PictureToFile:
      savePicture();
      break;
    case Command::PictureToClipboard:
      if (shell_) shell_->copyPictureToClipboard();
      ws_.MsgText = translated(kToClipboard);
      break;
    case Command::PictureToVector:
      saveVectorPicture();
      break;
    case Command::Print:
      if (shell_) shell_->printPicture();
      break;
    case Command::AnimationToFile:
      saveAnimation();
      break;
    default:
      break;
  }
}

// "form / poly", and its "poly >>".
void CommandRunner::runFormulas(Command command) {
  if (const int operation = polyOperationOf(command); operation != 0) {
    if (ws_.poly.PolyCommand(operation, ws_.selectedSlot())) inputs_.selectPolynomialInput();
    return;
  }
  switch (command) {
    case Command::DeleteSlot:
      ws_.formulas.slotKind[ws_.selectedSlot()] = kSlotEmpty;
      ws_.graph.RedrawAll();
      break;
    case Command::SubstituteAbc:
      substituteSelected();
      break;
    case Command::Area:
      if (shell_) shell_->showAreaWindow();
      break;
    case Command::ValueTable:
      showValueTable();
      break;
    case Command::Motion:
      if (shell_) shell_->showMotionWindow();
      break;
    default:
      break;
  }
}

// "grafieken", its "analyse >>" and "exact tekenen".
void CommandRunner::runGraphs(Command command) {
  switch (command) {
    case Command::ClearGraphs:
      for (int slot = 1; slot <= kSlotCount; ++slot)
        ws_.formulas.slotKind[slot] = kSlotEmpty;
      ws_.graph.RedrawAll();
      break;
    case Command::Colours:
      if (shell_) shell_->showColourWindow();
      break;
    case Command::Redraw:  // without the analysis's marks
      ws_.analysis.clear();
      ws_.graph.RedrawAll();
      break;
    case Command::Roots:
    case Command::Extrema:
    case Command::Intersections:
      analyse(command);
      break;
    case Command::Tangent:
      askTangent();
      break;
    case Command::Trace:
      toggleTracing();
      break;
    case Command::ExactImplicit:  // a way of drawing, not a change of the document
      ws_.settings.exactImplicit = !ws_.settings.exactImplicit;
      ws_.graph.RedrawAll();
      break;
    default:
      break;
  }
}

// "volgen" (Ctrl+T): the arrow keys trace the selected slot's graph, or no longer.
void CommandRunner::toggleTracing() {
  Tracer& tracer = ws_.tracer;
  if (tracer.active()) {
    tracer.stop();
  } else if (std::optional<std::string> reason = tracer.start(ws_.selectedSlot())) {
    ws_.MsgText = *reason;
  } else {
    ws_.MsgText = tracer.announcement();
  }
}

// "punten", and its "maak >>".
void CommandRunner::runPoints(Command command) {
  if (const int model = exponentialModelOf(command); model != 0) {
    showFit(FitExponential(model, ws_.points, ws_.graph.scale, ws_.leastSquares));
    return;
  }
  switch (command) {
    case Command::ClearPoints:
      ws_.points.deleteAll();
      ws_.graph.RedrawAll();
      break;
    case Command::PointsTable:
      if (shell_) shell_->showPointsTable();
      break;
    case Command::FitLine:
      showFit(MakeLine(ws_.points));
      break;
    case Command::FitPolynomial:
      ws_.poly.FitPolynomial(ws_.points, ws_.selectedSlot(), ws_.leastSquares);
      break;
    case Command::FitCircle:
      showFit(MakeCircle(ws_.points, ws_.graph.scale));
      break;
    default:
      break;
  }
}

// "info" with the language, and "help".
void CommandRunner::runInfo(Command command) {
  if (command == Command::SwitchLanguage && shell_) {  // the user's, not the document's
    shell_->switchLanguage(currentLanguage() == Language::Dutch ? Language::English
                                                                : Language::Dutch);
    ws_.graph.RedrawAll();  // the numbers of the picture's labels
  }
  static constexpr std::pair<Command, int> kPages[] = {
      {Command::About, 1}, {Command::Status, 2}, {Command::Conditions, 3}};
  for (auto [info, page] : kPages) {
    if (command == info && shell_) shell_->showInfo(page);
  }
  if (command == Command::Help && shell_) shell_->showHelp();
}

// Everything back to the start but the settings, the colours and the personal text.
void CommandRunner::restartAll() {
  for (int slot = 1; slot <= kSlotCount; ++slot)
    ws_.formulas.slotKind[slot] = kSlotEmpty;
  ws_.constantsPanel.ResetConstants();
  ws_.points.deleteAll();
  ws_.graph.ResetScale();
  ws_.graph.DrawGrid();
  ws_.graph.ShowPicture();
  ws_.poly.ResetPolyGrid();
  ws_.editor.fedClear();
  inputs_.selectFormulaInput();
  ws_.startDocument("");  // a new document, of no file yet
}

// "open": the guard first, then the dialog.
void CommandRunner::open() {
  if (!shell_ || !document_.mayDiscardDocument()) return;
  if (const auto path = shell_->askGraphFileName(false, ws_.documentPath()))
    document_.openGraphFile(*path);
}

// A fitted curve is shown and plotted as if the user had typed it.
void CommandRunner::showFit(const FitOutcome& fit) {
  if (!fit.formula) {
    ws_.MsgText = fit.message;
    if (fit.clearEditBox) ws_.editor.fedClear();
    return;
  }
  ws_.editor.fedSetText(shownFormula(*fit.formula));
  inputs_.selectFormulaInput();
  buttons_.PlotBtnClick();
}

void CommandRunner::analyse(Command command) {
  Analysis& analysis = ws_.analysis;
  const int slot = ws_.selectedSlot();
  const std::string message = command == Command::Roots     ? analysis.findRoots(slot)
                              : command == Command::Extrema ? analysis.findExtrema(slot)
                                                            : analysis.findIntersections(slot);
  ws_.graph.RedrawAll();  // the marks of this search, none of the one before
  ws_.MsgText = message;
  if (!analysis.results.empty() && shell_) shell_->showAnalysis();
}

void CommandRunner::askTangent() {
  if (auto reason = ws_.analysis.whyNot(ws_.selectedSlot())) {
    ws_.MsgText = *reason;
    return;
  }
  if (shell_)
    shell_->askTangentX(shownNumber(FormatFloat(kTableNumberFormat, ws_.graph.scale.cursorWorldX)));
}

std::optional<std::string> CommandRunner::plotTangent(std::string_view typedX) {
  const std::optional<double> x0 = parseTypedNumber(typedX);
  if (!x0) return translated(kBadNumber);
  const int slot = ws_.selectedSlot();
  const FitOutcome tangent = ws_.analysis.tangentAt(slot, *x0);
  if (!tangent.formula) return tangent.message;
  // Beside the function, never over it.
  int target = 0;
  for (int step = 1; step < kSlotCount && target == 0; ++step) {
    const int candidate = (slot - 1 + step) % kSlotCount + 1;
    if (ws_.formulas.slotKind[candidate] == kSlotEmpty) target = candidate;
  }
  if (target == 0)
    return translated(QT_TRANSLATE_NOOP("quorvel", "geen lege plaats voor de raaklijn"));
  ws_.selection.hoverSlot = target;
  ws_.selection.selectHoveredSlot();
  showFit(tangent);
  return std::nullopt;
}

void CommandRunner::applyColours(const SlotColours& colours, const std::string& personalText) {
  ws_.slotColours = colours;
  ws_.selection.hoverSlot = ws_.selectedSlot();
  ws_.selection.selectHoveredSlot();
  ws_.personalText = personalText;
  ws_.graph.RedrawAll();
}

bool CommandRunner::savesAsPng(const ShellActions::PictureFile& file) {
  const std::string extension = lowerExtension(file.path);
  if (extension == "png" || extension == "bmp") return extension == "png";
  return file.pngChosen;
}

void CommandRunner::savePicture() {
  if (!shell_) return;
  const std::optional<ShellActions::PictureFile> file = shell_->askPictureFileName();
  if (!file) return;
  const Picture& picture = ws_.graph.picture;
  const bool saved = savesAsPng(*file) ? writeFileSafely(file->path, shell_->pngBytes(picture))
                                       : writeBitmapFile(picture, file->path);
  if (!saved) ws_.MsgText = translated(kWriteError);
}

// The extension decides: .pdf a PDF, anything else (the dialog gives .svg) an SVG.
void CommandRunner::saveVectorPicture() {
  if (!shell_) return;
  const std::optional<std::string> path = shell_->askVectorFileName();
  if (!path) return;
  const bool pdf = lowerExtension(*path) == "pdf";
  if (!writeFileSafely(*path, shell_->vectorBytes(ws_.graph.drawing, pdf, ws_.personalText))) {
    ws_.MsgText = translated(kWriteError);
  }
}

// "--> animatie": the chosen constant's range as an animated GIF.
void CommandRunner::saveAnimation() {
  if (!shell_) return;
  const std::optional<ShellActions::AnimationFile> file = shell_->askAnimationFile();
  if (!file) return;
  const std::optional<std::vector<uint8_t>> gif =
      animationGif(ws_.motion, ws_.graph, ws_.text, file->frames);
  if (!gif || !writeFileSafely(file->path, *gif)) ws_.MsgText = translated(kWriteError);
}

void CommandRunner::showValueTable() {
  const uint8_t kind = ws_.formulas.slotKind[ws_.selectedSlot()];
  if (kind == kSlotEmpty) {
    ws_.MsgText = translated(kNoFormula);
  } else if (kind == kSlotImplicit || kind == kSlotInequality) {
    ws_.MsgText = translated(kOnlyFunctions);
  } else if (shell_) {
    shell_->showValueTable();
  }
}

void CommandRunner::substituteSelected() {
  const int slot = ws_.selectedSlot();
  const uint8_t kind = ws_.formulas.slotKind[slot];
  if (kind == kSlotEmpty) {
    ws_.MsgText = translated(kNoFormula);
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
