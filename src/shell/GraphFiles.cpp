// The workspace to and from a graph file: what is saved, and how a loaded file is applied.

#include <limits>

#include "common/Language.h"
#include "common/NumberText.h"
#include "common/SafeFile.h"
#include "shell/Workspace.h"

namespace quorvel {
namespace {

uint32_t toBgr(Colour c) {
  return static_cast<uint32_t>(blueOf(c)) << 16 | static_cast<uint32_t>(greenOf(c)) << 8 |
         static_cast<uint32_t>(redOf(c));
}

}  // namespace

GraphFileContents Workspace::graphFileContents() const {
  GraphFileContents f;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    f.colours[slot] = toBgr(slotColours[slot]);
  f.degreesMode = settings.degreesMode;
  f.replaceMode = settings.replaceMode;
  f.autoplotMode = settings.autoplotMode;
  f.stepIndex = static_cast<uint8_t>(constants.stepIndex);
  f.a = constants.a;
  f.b = constants.b;
  f.c = constants.c;
  f.zoomLevelX = static_cast<uint8_t>(graph.scale.zoomLevelX);
  f.zoomLevelY = static_cast<uint8_t>(graph.scale.zoomLevelY);
  f.centreX = graph.scale.centreX;
  f.centreY = graph.scale.centreY;
  f.pointCount = points.pointCount;
  f.points = points.points;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SlotRecord& s = f.slotRecords[slot];
    s.kind = formulas.slotKind[slot];
    const TFormule& formula = formulas.formulas[slot];
    s.text = formula.text;
    s.begin = formula.domainBegin;
    s.end = formula.domainEnd;
    s.steps = formula.domainSteps;
    s.polynomial = poly.polySlots[slot];
  }
  f.title = personalText;
  f.hasColours = f.hasSettings = f.hasConstants = f.hasScale = true;
  return f;
}

DocumentBytes Workspace::documentBytes() const {
  // Empty only for a text longer than a file holds, which no command lets in; such a
  // document differs from every saved one and fails its save.
  return writeGraphFile(graphFileContents()).value_or(DocumentBytes{});
}

bool Workspace::modified() const {
  return documentBytes() != file->saved;
}

void Workspace::startDocument(std::string path) {
  file = std::make_shared<DocumentFile>(DocumentFile{absoluteFilePath(path), documentBytes()});
}

void Workspace::continueWork(std::string path) {
  DocumentBytes saved = file->saved;
  if (!path.empty()) saved = readPlainFile(path, kImageSize).value_or(DocumentBytes{});
  file = std::make_shared<DocumentFile>(DocumentFile{std::move(path), std::move(saved)});
}

bool Workspace::SaveGraphFile(const std::string& path) {
  const DocumentBytes bytes = documentBytes();
  const bool saved = !bytes.empty() && writeFileSafely(path, bytes);
  MsgText = translated(saved ? kGraphsSaved : kWriteError);
  if (saved) {
    file->path = absoluteFilePath(path);  // for every step of this work: it is in that file now
    file->saved = bytes;
  }
  return saved;
}

Workspace::LoadStatus Workspace::LoadGraphFile(const std::string& path) {
  ReadFault fault = ReadFault::None;
  const std::optional<std::vector<uint8_t>> image = readPlainFile(path, kImageSize, &fault);
  if (!image) {
    MsgText = readErrorText(fault);
    return LoadStatus::ReadError;
  }
  GraphFileContents contents;
  switch (readGraphFile(*image, contents)) {
    case GraphFileStatus::WrongType:
      MsgText = translated(kWrongFileType);
      return LoadStatus::WrongType;
    case GraphFileStatus::ReadError:
      MsgText = translated(kReadError);
      return LoadStatus::ReadError;
    case GraphFileStatus::Ok:
      break;
  }
  const bool clean = applyGraphFile(contents);
  startDocument(path);
  return clean ? LoadStatus::Loaded : LoadStatus::LoadedWithFaults;
}

bool Workspace::applyGraphFile(const GraphFileContents& f) {
  editor.fedClear();
  const bool clean = applyDocument(f, false);
  selection.selectedSlot = selection.hoverSlot = 1;
  if (isFormulaKind(formulas.slotKind[1])) {
    editor.fedSetText(shownFormula(formulas.formulas[1].text));
  } else if (formulas.slotKind[1] == kSlotPolynomial) {
    poly.LoadPolyToGrid(1);
  }
  return clean;
}

void Workspace::restoreDocument(const GraphFileContents& f) {
  applyDocument(f, true);
}

bool Workspace::applyDocument(const GraphFileContents& f, bool replaceSlots) {
  personalText.clear();
  points.deleteAll();
  if (f.hasColours) {
    for (int slot = 1; slot <= kSlotCount; ++slot)
      slotColours[slot] = fromBgr(f.colours[slot] & 0xFFFFFF);
  }
  if (f.hasSettings) {
    settings.degreesMode = f.degreesMode;
    settings.replaceMode = f.replaceMode;
    settings.autoplotMode = f.autoplotMode;
  }
  if (f.hasConstants) {
    constants.stepIndex = f.stepIndex;
    constants.a = f.a;
    constants.b = f.b;
    constants.c = f.c;
    constantsPanel.RefreshConstants();
  }
  if (f.hasScale) {
    graph.scale.zoomLevelX = f.zoomLevelX;
    graph.scale.zoomLevelY = f.zoomLevelY;
    graph.scale.centreX = f.centreX;
    graph.scale.centreY = f.centreY;
  }
  graph.ApplyLoadedScale();  // the grid at the loaded scale
  points.points = f.points;
  points.pointCount = f.pointCount;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotRecord& s = f.slotRecords[slot];
    // A loaded file leaves the slots it does not name as they are.
    if (s.kind == kSlotEmpty && !replaceSlots) continue;
    formulas.slotKind[slot] = s.kind;
    if (s.hasFormula) {
      TFormule& formula = formulas.formulas[slot];
      formula.text = s.text;
      formula.domainBegin = s.begin;
      formula.domainEnd = s.end;
      formula.domainSteps = s.steps;
    }
    if (s.hasPolynomial) poly.polySlots[slot] = s.polynomial;
  }
  if (f.title) personalText = *f.title;

  graph.fastPlot = false;
  // Of several faults the message names the one that comes first in the file; with none it
  // is "grafieken geladen" (not the implicit plot's "even geduld").
  int firstFault = std::numeric_limits<int>::max();
  std::string message = translated(kGraphsLoaded);
  auto fault = [&](int record, const std::string& faultMessage) {
    if (record >= firstFault) return;
    firstFault = record;
    message = faultMessage;
  };
  const FormulaEngine::SlotMessages failures = retranslateAll();
  constexpr int kKeptSlot = std::numeric_limits<int>::max() - 1;  // a slot the file left alone
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const int record = f.slotRecords[slot].record;
    if (!failures[slot].empty()) fault(record > 0 ? record : kKeptSlot, failures[slot]);
  }
  if (!graph.DrawTitle()) fault(f.titleRecord, translated(kTextTooLong));
  MsgText = message;
  points.DrawPoints();
  graph.ShowPicture();
  return firstFault == std::numeric_limits<int>::max();
}

}  // namespace quorvel
