#include "records/records_view.h"

#include <string>

namespace vemo {

TForm2::TForm2(TimerTable& mainTimers) : mainTimers_(mainTimers) {
  for (int rank = 1; rank <= kTableRows; ++rank) Cell(rank) = std::to_string(rank);
  SetRows(BuiltInRows());
}

void TForm2::FormKeyDown(int /*key*/) { Close(); }

void TForm2::FormMouseDown() { Close(); }

bool TForm2::FormCloseQuery() {
  mainTimers_.enable(TimerId::Up);
  return true;
}

void TForm2::SetRow(int row, const RecordRow& content) {
  Cell(10 + row) = content.name;
  Cell(20 + row) = content.score;
}

RecordRows TForm2::Rows() const {
  RecordRows rows;
  for (int row = 1; row <= kTableRows; ++row) rows[row - 1] = {Name(row), ScoreText(row)};
  return rows;
}

void TForm2::SetRows(const RecordRows& rows) {
  for (int row = 1; row <= kTableRows; ++row) SetRow(row, rows[row - 1]);
}

}  // namespace vemo
