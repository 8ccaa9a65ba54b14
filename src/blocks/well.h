#pragma once
// The well of the falling-block game: one-byte cell codes for columns 0..10 and
// rows -1..29. Columns 0..9 are the playing area, column 10 the right wall,
// row -1 a buffer above the frame, rows 0..22 the playing rows, row 23 the floor.
// A cell is free only if it holds ' '; every other code blocks, 0 included.

#include <array>
#include <cstdint>

namespace vemo {

namespace cell {
inline constexpr char kEmpty = ' ';
inline constexpr char kFloor = 'a';
inline constexpr char kWall = 'w';
inline constexpr char kNeverWritten = 0;
}  // namespace cell

class WellGrid {
 public:
  static constexpr int kColumns = 11;      // 0..10
  static constexpr int kFirstRow = -1;
  static constexpr int kLastRow = 29;
  static constexpr int kRows = kLastRow - kFirstRow + 1;
  static constexpr int kPlayColumns = 10;  // 0..9
  static constexpr int kWallColumn = 10;
  static constexpr int kFloorRow = 23;
  static constexpr int kLastPlayRow = 22;

  static constexpr bool inside(int c, int r) { return c >= 0 && c < kColumns && r >= kFirstRow && r <= kLastRow; }

  // Cells outside the grid read as never written, so they block like a wall.
  char at(int c, int r) const { return inside(c, r) ? cells_[index(c, r)] : cell::kNeverWritten; }
  void set(int c, int r, char code) {
    if (inside(c, r)) cells_[index(c, r)] = code;
  }
  bool isFree(int c, int r) const { return at(c, r) == cell::kEmpty; }

 private:
  static constexpr std::size_t index(int c, int r) { return static_cast<std::size_t>(c) * kRows + (r - kFirstRow); }
  std::array<char, kColumns * kRows> cells_{};
};

}  // namespace vemo
