#pragma once
// The whole working state of one run of the program: formulas, constants, colours, the
// graph with its scale and picture, polynomials and points, the settings and the message
// line. The main window owns one; every test owns its own. Qt-free: everything a user can
// do is reachable from here.

#include <string>

#include "colours/SlotSelection.h"
#include "common/Settings.h"
#include "editor/FormulaEditor.h"
#include "fitting/Points.h"
#include "fitting/PointsTable.h"
#include "fitting/PolyInput.h"
#include "formula/FormulaEngine.h"
#include "formula/SlotColours.h"
#include "motion/Motion.h"
#include "plot/Constants.h"
#include "plot/ConstantsPanel.h"
#include "plot/Graph.h"
#include "plot/PictureNavigation.h"
#include "plot/RepeatRate.h"
#include "storage/Document.h"
#include "storage/GraphFile.h"
#include "tools/Analysis.h"
#include "tools/Area.h"
#include "tools/GraphDescription.h"
#include "tools/Tracer.h"
#include "tools/ValueTable.h"

namespace quorvel {

class Workspace {
 public:
  // `threads` for the implicit plots: 0 takes the machine's hardware threads.
  explicit Workspace(TextPainter& textPainter, int threads = 0);
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  TextPainter& text;  // writes text on pictures
  WorkerPool pool;    // the threads of the implicit plots
  Settings settings;
  FormulaEngine formulas{settings};
  Constants constants;
  SlotColours slotColours = kDefaultSlotColours;
  std::string personalText;
  std::string MsgText;  // the message line
  RepeatRate klok;      // the rhythm of the repeat timer
  Graph graph;
  PictureNavigation navigation{graph};  // the wheel and the drag over the picture
  ConstantsPanel constantsPanel;
  FormulaEditor editor;  // the formula edit box
  SlotSelection selection;
  PolyInput poly{formulas, graph, constants, MsgText};  // polynomials and the coefficient grid
  Points points{graph, MsgText};
  PointsTable pointsTable{points};
  LeastSquares leastSquares;  // the solver of every fit
  ValueTable valueTable{formulas, poly, graph.scale};
  AreaCalculation area{formulas, poly, graph};
  Analysis analysis{formulas, poly, constants, graph};
  Tracer tracer{formulas, poly, constants, graph};  // the point the keys move along a graph
  GraphDescription description{formulas, poly, constants, graph};      // the picture in words
  Motion motion{constants, constantsPanel, graph, analysis, MsgText};  // a, b and c in motion

  // The state at the start of the program: constants, settings, polynomial input, colours,
  // empty slots and no points, the default scale with the empty grid; a new document.
  void startUp();
  // The slot the slot commands act on: the selected one, or slot 1 when the colour box has not
  // been painted yet (its first paint selects it).
  int selectedSlot();

  // ---- The document: what a graph file of this workspace would hold.
  // The graph file it was last saved to or opened from, and what that file holds.
  DocumentFileRef file = std::make_shared<DocumentFile>();
  const std::string& documentPath() const { return file->path; }
  UndoHistory history;
  DocumentBytes documentBytes() const;
  // Unsaved changes: the document is not what its file (or the start) holds.
  bool modified() const;
  // From now on the document counts as the contents of `path` ("": of no file), a file of its
  // own apart from the one before (which the undo history keeps with the steps before).
  void startDocument(std::string path);
  // The document is unsaved work of the graph file `path` (restored after a crash): changed
  // unless that file holds exactly this document. Without a path, of no file, as it started.
  void continueWork(std::string path);
  // Everything the document holds replaced by `contents`, the rest (selection, inputs) kept;
  // replotted. The undo history's way back.
  void restoreDocument(const GraphFileContents& contents);

  // After a graph file is loaded: every filled slot translated again and plotted; the
  // message of each slot whose text failed (the others are plotted all the same).
  FormulaEngine::SlotMessages retranslateAll();

  // ---- Graph files. The message line says how it went.
  enum class LoadStatus { Loaded, WrongType, ReadError, LoadedWithFaults };
  // Loads a file: checked whole first, then merged into the slots (the points and the title
  // replaced), replotted; slot 1 becomes the selected slot and shows in its input. A file that
  // fails changes nothing. LoadedWithFaults: applied, but a formula did not translate or the
  // title does not fit the picture; the message line names the fault that comes first in the
  // file.
  LoadStatus LoadGraphFile(const std::string& path);
  bool SaveGraphFile(const std::string& path);
  GraphFileContents graphFileContents() const;
  // False when it was applied with faults.
  bool applyGraphFile(const GraphFileContents& contents);

 private:
  // `replaceSlots`: the slots the contents leave empty are emptied, rather than kept.
  bool applyDocument(const GraphFileContents& contents, bool replaceSlots);
};

}  // namespace quorvel
