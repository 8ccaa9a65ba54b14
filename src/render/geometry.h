#pragma once
// Where things sit on the main window, in client-area pixels.

namespace vemo {

struct Point {
  int x, y;
  friend constexpr bool operator==(Point, Point) = default;
};

inline constexpr int kCellSize = 15;
// The test pixel of a square: a face pixel of every tile, never a background colour.
inline constexpr int kTestOffset = 5;

// Top-left pixel of well cell (c, r); rows start at -1.
inline constexpr Point CellOrigin(int c, int r) { return {51 + kCellSize * c, 70 + kCellSize * r}; }
// Top-left pixel of preview cell (i, j); rows start at -1.
inline constexpr Point PreviewOrigin(int i, int j) { return {251 + kCellSize * i, 70 + kCellSize * j}; }
// Top-left pixel of snake field cell (x, y).
inline constexpr Point SnakeCellOrigin(int x, int y) { return {51 + kCellSize * x, 90 + kCellSize * y}; }

// The fire picture that shows the speed level.
inline constexpr Point kFirePictureAt{490, 380};

}  // namespace vemo
