#include "plot/Graph.h"

#include "common/Language.h"
#include "common/VectorState.h"
#include "plot/GridDrawing.h"

namespace quorvel {

Graph::Graph(FormulaEngine& formulas, const Settings& settings, const Constants& constants,
             const SlotColours& slotColours, const std::string& personalText, std::string& msgText,
             TextPainter& text, RepeatRate& repeat, WorkerPool& pool)
    : formulas_(formulas),
      settings_(settings),
      constants_(constants),
      slotColours_(slotColours),
      personalText_(personalText),
      msgText_(msgText),
      text_(text),
      repeat_(repeat),
      pool_(pool) {
  preciseTime_.fill(std::chrono::microseconds::max());
  picture.recordInto(&drawing);
}

void Graph::PlotSlot(int slot) {
  clearUpperVectorState();
  fastPlot = false;
  const uint8_t oldKind = formulas_.slotKind[slot];
  formulas_.slotKind[slot] = formulas_.formulaType;
  if (settings_.replaceMode && oldKind != kSlotEmpty) {
    RedrawAll();  // the slot's previous curve disappears with the rebuild
    return;
  }
  picture.setPen(slotColours_[slot]);
  formulas_.evalSlot = slot;
  CopyConstantsToEvaluator();
  drawSlot(slot);
  ShowPicture();
}

void Graph::PlotAllSlots() {
  clearUpperVectorState();
  CopyConstantsToEvaluator();
  onlyExactSeen_ = false;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    formulas_.evalSlot = slot;
    picture.setPen(slotColours_[slot]);
    drawSlot(slot);
  }
  // Said once more at the end: a later slot's plot empties the message line.
  if (onlyExactSeen_) msgText_ = translated(kOnlyExact);
}

void Graph::CopyConstantsToEvaluator() {
  formulas_.registers[kRegA] = constants_.a;
  formulas_.registers[kRegB] = constants_.b;
  formulas_.registers[kRegC] = constants_.c;
}

void Graph::drawSlot(int slot) {
  const TFormule& formula = formulas_.formulas[slot];
  switch (formulas_.slotKind[slot]) {
    case kSlotFunction:
      if (formula.derivMarker == kIntegralMarker) {
        plotIntegral(formula);
      } else {
        plotColumns(formula.derivMarker);
      }
      break;
    case kSlotInverse:
      plotRows();
      break;
    case kSlotParametric:
    case kSlotPolar:  // its program turns r and v into x and y
      plotParametric(formula);
      break;
    case kSlotInequality:
      PlotInequality();
      break;
    case kSlotImplicit:
      PlotImplicit();
      break;
    case kSlotPolynomial:
      if (hooks.PlotPolySlot) hooks.PlotPolySlot(slot);
      break;
    default:
      break;
  }
}

void Graph::RedrawAll() {
  DrawGrid();
  PlotAllSlots();
  DrawTitle();
  if (hooks.drawPoints) hooks.drawPoints();
  if (hooks.drawMarks) hooks.drawMarks();
  ShowPicture();
}

void Graph::DrawGrid() {
  quorvel::DrawGrid(picture, scale, text_);
}

bool Graph::DrawTitle() {
  if (quorvel::DrawTitle(picture, text_, personalText_)) return true;
  msgText_ = translated(kTextTooLong);
  return false;
}

void Graph::ShowPicture() {
  if (hooks.ShowPicture) hooks.ShowPicture();
}

void Graph::ResetScale() {
  scale.reset();
  AfterScaleChange();
}

void Graph::ScrollZoom(int command) {
  scale.scrollZoom(command);
  AfterScaleChange();  // also when the step was refused at a limit
  repeat_.accelerate();
}

void Graph::SelectAxisPosition(int code) {
  scale.selectAxisPosition(code);
  AfterScaleChange();
}

void Graph::SelectQuadrant(int quadrant) {
  const auto [xCode, yCode] = quadrantCodes(quadrant);
  SelectAxisPosition(xCode);
  SelectAxisPosition(yCode);
  RefineAfterRelease();
}

void Graph::ApplyLoadedScale() {
  scale.applyLoaded();
  DrawGrid();
  ShowPicture();
}

void Graph::AfterScaleChange() {
  fastPlot = true;
  RedrawAll();
}

void Graph::RefineAfterRelease() {
  fastPlot = false;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (formulas_.slotKind[slot] == kSlotImplicit || formulas_.slotKind[slot] == kSlotInequality) {
      RedrawAll();
      msgText_.clear();
      return;
    }
  }
}

}  // namespace quorvel
