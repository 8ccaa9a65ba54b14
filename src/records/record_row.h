#pragma once
// One row of the records table as the cells hold it: the name in the core's
// text (UTF-8) and the score as text ("0000" in a built-in row).

#include <array>
#include <string>

namespace vemo {

inline constexpr int kTableRows = 10;

// A name keeps at most this many characters in the records file (one byte a
// character there), so a record line stays whole for the reader.
inline constexpr int kMaxNameLength = 255;

struct RecordRow {
  std::string name;
  std::string score;
  friend bool operator==(const RecordRow&, const RecordRow&) = default;
};

using RecordRows = std::array<RecordRow, kTableRows>;

inline const RecordRow kBuiltInRow{"----------", "0000"};

inline RecordRows BuiltInRows() {
  RecordRows rows;
  rows.fill(kBuiltInRow);
  return rows;
}

}  // namespace vemo
