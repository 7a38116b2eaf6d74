#include "shell/Workspace.h"

namespace quorvel {

Workspace::Workspace(TextPainter& painter, int threads)
    : text(painter),
      pool(threads),
      graph(formulas, settings, constants, slotColours, personalText, MsgText, text, klok, pool),
      constantsPanel(constants, formulas, graph, settings, klok) {
  graph.hooks.PlotPolySlot = [this](int slot) { poly.PlotPolySlot(slot); };
  graph.hooks.drawPoints = [this] { points.DrawPoints(); };
  graph.hooks.drawMarks = [this] { analysis.DrawMarks(); };
}

void Workspace::startUp() {
  constantsPanel.ResetConstants();
  settings = Settings{};
  points.deleteAll();
  poly.ResetPolyGrid();
  poly.SetPolyDegree(2);
  slotColours = kDefaultSlotColours;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    formulas.slotKind[slot] = kSlotEmpty;
  graph.ResetScale();
  startDocument("");
  history.reset(documentBytes(), file);
}

FormulaEngine::SlotMessages Workspace::retranslateAll() {
  return formulas.retranslateAll([this](int slot) { graph.PlotSlot(slot); });
}

}  // namespace quorvel
