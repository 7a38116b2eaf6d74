#pragma once
// quorvel --export: a graph file loaded into a fresh workspace, as the window loads it at
// start-up, and its picture written as PNG, BMP, SVG or PDF, or a constant's motion as an
// animated GIF, without a window. A
// QGuiApplication must exist (the text on the picture needs Qt's fonts).

#include <ostream>
#include <string>

#include "shell/CommandLine.h"
#include "shell/Workspace.h"

namespace quorvel {

// The workspace of an export: as the window starts, drawing as the command line asks
// (--exact), with the graph file loaded and plotted.
Workspace::LoadStatus loadForExport(Workspace& ws, const CommandLine& line);

// Returns the exit status: 0 written, 1 the file did not load or the picture could not be
// written (the message on `errors`).
int exportGraphFile(const CommandLine& line, std::ostream& errors);

}  // namespace quorvel
