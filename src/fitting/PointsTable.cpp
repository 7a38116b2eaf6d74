#include "fitting/PointsTable.h"

#include <algorithm>
#include <utility>

#include "common/Language.h"
#include "common/NumberText.h"
#include "fitting/Points.h"

namespace quorvel {

PointsTable::PointsTable(Points& points) : points_(points) {
  cells[0] = {"X", "Y"};
}

void PointsTable::setCurrent(int column, int row) {
  currentColumn = column;
  currentRow = row;
}

int PointsTable::lastFilledRow() const {
  for (int row = kRows; row >= 1; --row) {
    if (!cells[row][0].empty() || !cells[row][1].empty()) return row;
  }
  return 0;
}

void PointsTable::writeList() {
  for (int row = 1; row <= kRows; ++row)
    cells[row] = {};
  for (int i = 1; i <= points_.pointCount; ++i) {
    cells[i][0] = FormatFloat("###0.0###", points_.points[i].x);
    cells[i][1] = FormatFloat("###0.0###", points_.points[i].y);
  }
}

void PointsTable::open() {
  writeList();
  pointsError = false;
  msg = kEscCloses;
  setCurrent(0, 1);
}

bool PointsTable::close() {
  return ValidateTable();
}

bool PointsTable::ValidateTable() {
  pointsError = false;
  const int n = lastFilledRow();
  points_.pointCount = n;
  msg.clear();
  std::array<TPoint, kMaxPoints + 1> read{};
  for (int row = 1; row <= n; ++row) {
    for (int column = 0; column < 2; ++column) {
      const std::optional<double> value = parseTypedNumber(cells[row][column]);
      if (!value) {
        // The scan goes on: the last faulty cell stays current.
        pointsError = true;
        setCurrent(column, row);
        msg = kBadNumber;
        continue;
      }
      (column == 0 ? read[row].x : read[row].y) = *value;
    }
  }
  if (pointsError) return false;
  std::copy(read.begin() + 1, read.begin() + n + 1, points_.points.begin() + 1);
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const int fault = pairTest(points_.points[i], points_.points[j]);
      if (fault != 0) {
        setCurrent(0, i);
        pointsError = true;
        msg = fault == 1 ? kIdenticalX : kTableOutOfRange;
        return false;
      }
    }
  }
  return true;
}

void PointsTable::ClearPoints() {
  for (int row = 1; row <= kRows; ++row)
    cells[row] = {};
  points_.pointCount = 0;
  msg.clear();
  setCurrent(0, 1);
}

void PointsTable::sortPoints() {
  if (ValidateTable() && points_.pointCount >= 2) {
    auto& p = points_.points;
    const int n = points_.pointCount;
    for (int i = 1; i < n; ++i) {
      for (int j = i + 1; j <= n; ++j) {
        if (p[i].x > p[j].x) std::swap(p[i], p[j]);
      }
    }
    writeList();
  }
  setCurrent(0, 1);
}

void PointsTable::deletePoint() {
  int row = currentRow;
  const int column = currentColumn;
  const bool faultBefore = pointsError;
  int& count = points_.pointCount;
  if (count == 0) count = lastFilledRow();
  if (count == 0) return;
  if (row > count) {
    setCurrent(column, count);
    return;
  }
  for (int r = row; r < count; ++r)
    cells[r] = cells[r + 1];
  cells[count] = {};
  --count;
  row = count == 0 ? 1 : std::min(row, count);
  if (!ValidateTable()) return;
  setCurrent(column, row);
  if (faultBefore) msg = kPointsOK;
}

void PointsTable::enterKey() {
  if (currentColumn == 1) {
    setCurrent(0, currentRow % kRows + 1);
  } else {
    setCurrent(1, currentRow);
  }
}

void PointsTable::keyTyped(char ch) {
  if (ch == '\r' || (ch >= '0' && ch <= '9') || ch == ',' || ch == '.') pointsError = false;
}

}  // namespace quorvel
