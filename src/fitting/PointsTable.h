#pragma once
// The points table without its window: 40 rows of x and y texts that the user edits, the
// current cell, the message, and the checks that keep the points usable (every cell a number,
// no two equal x, no line through two points crossing the y-axis beyond +-50000). Sort,
// delete and close check the table first; the points list takes what the table holds.

#include <array>
#include <string>

#include "common/Language.h"
#include "fitting/LeastSquares.h"

namespace quorvel {

class Points;

inline constexpr const char* kBadNumber = QT_TRANSLATE_NOOP("quorvel", "fout getal");
inline constexpr const char* kIdenticalX = QT_TRANSLATE_NOOP("quorvel", "fout: identieke X");
inline constexpr const char* kTableOutOfRange = QT_TRANSLATE_NOOP("quorvel", "fout: buiten bereik");
inline constexpr const char* kPointsOK = QT_TRANSLATE_NOOP("quorvel", "punten OK");
inline constexpr const char* kEscCloses = QT_TRANSLATE_NOOP("quorvel", "<ESC> sluiten");

class PointsTable {
 public:
  static constexpr int kRows = kMaxPoints;  // rows 1..40 below the header row 0

  explicit PointsTable(Points& points);

  // cells[row][column]: column 0 holds x, column 1 y; row 0 the header "X", "Y".
  std::array<std::array<std::string, 2>, kRows + 1> cells{};
  int currentRow = 1;
  int currentColumn = 0;
  std::string msg;  // the message's marked source; the window shows it in the language in use
  bool pointsError = false;

  // The window opens: the list into the table, cell (0, 1) current.
  void open();
  // ESC or "sluiten": true when the table may close (no fault); the points then hold it.
  bool close();
  // Checks the table and takes its points into the list; false on a fault, whose cell
  // becomes current with the message.
  bool ValidateTable();
  void ClearPoints();  // "wis alles"
  void sortPoints();   // "sort"
  void deletePoint();  // "verwijder punt": the current row
  // Enter in the grid: from x to y, from y to x of the next row (after row 40, row 1).
  void enterKey();
  // A key typed in the grid; Enter, a digit and the decimal separator end a fault.
  void keyTyped(char ch);
  void writeList();  // the points list into rows 1..40

 private:
  int lastFilledRow() const;
  void setCurrent(int column, int row);
  Points& points_;
};

}  // namespace quorvel
