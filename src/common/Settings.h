#pragma once
// The switches of the main window that other parts of the program read.

namespace quorvel {

struct Settings {
  bool degreesMode = false;   // angles of sin, cos, tan and their inverses in degrees
  bool replaceMode = false;   // plotting into a used slot replaces its old graph
  bool autoplotMode = false;  // every change of a, b or c redraws all graphs
  bool debugMode = false;     // the translator shows its tables in the debug window
  bool keyboardMode = false;  // a keyboard command is under way; mouse hover is ignored
  // Implicit equations drawn precisely by the exact method (plot/ExactImplicit.h) instead of
  // by the signs at the grid points; kept between runs in the program's settings, not in the
  // graph file.
  bool exactImplicit = false;
};

}  // namespace quorvel
