#pragma once
// The points list: up to 40 points in world coordinates, added and removed by presses on the
// picture and drawn there as small diamonds. No two points share an x, and the line through
// any two crosses the y-axis within +-50000, so every fit through them is possible.

#include <array>
#include <string>

#include "common/Language.h"
#include "common/Picture.h"
#include "fitting/LeastSquares.h"

namespace quorvel {

class Graph;

// Texts of the main window's message line.
inline constexpr const char* kTableFull = QT_TRANSLATE_NOOP("quorvel", "tabel is vol");
inline constexpr const char* kDuplicateX = QT_TRANSLATE_NOOP("quorvel", "dupl. X:  punt geweigerd");
inline constexpr const char* kPointOutOfRange =
    QT_TRANSLATE_NOOP("quorvel", "buiten bereik: punt geweigerd");

// How two points stand to each other: 0 fine, 1 the same x (within 1e-6), 2 their line
// crosses the y-axis beyond +-50000.
int pairTest(const TPoint& p, const TPoint& q);

class Points {
 public:
  Points(Graph& graph, std::string& msgText);

  std::array<TPoint, kMaxPoints + 1> points{};  // index 1..pointCount
  int pointCount = 0;

  // A mouse press at (column, row) of the picture: removes the point within three pixels
  // of it, or adds one there (on the nearest 10-pixel position unless Shift is held).
  void ClickPoint(int column, int row, bool shift);
  // The marks of the points strictly inside the window, into the picture.
  void DrawPoints();
  void DrawPointMark(int column, int row);
  void deleteAll() { pointCount = 0; }

  // The 9 x 9 diamond ring of a point, black where transparent.
  static const Picture& pointMark();

 private:
  Graph& graph_;
  std::string& msgText_;
};

}  // namespace quorvel
