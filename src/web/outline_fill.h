#pragma once
// A shape of lines and cubic curves filled in two colours the way the
// desktop's Qt raster engine fills a path without antialiasing: curves cut
// into lines until flat within a quarter pixel, points rounded to 64ths of a
// pixel, and a pixel inked when its centre lies inside by the nonzero
// winding rule, with Qt's fixed-point stepping along each edge. Large text
// on the desktop is drawn this way, so the page draws it the same.

#include <cstdint>
#include <functional>
#include <vector>

namespace vemo::web {

class OutlineFill {
 public:
  struct Point {
    double x = 0;
    double y = 0;
  };

  void moveTo(Point p);
  void lineTo(Point p);
  void cubicTo(Point c1, Point c2, Point end);

  // Calls ink(x, end, y) for every run of pixels inside, columns x to
  // end - 1 of row y, within columns [left, right) and rows [top, bottom).
  void fill(int left, int top, int right, int bottom, const std::function<void(int x, int end, int y)>& ink);

 private:
  struct Vector {
    long x = 0;  // 26.6 fixed point
    long y = 0;
  };

  void closeSubpath();

  std::vector<Point> points_;
  std::vector<std::size_t> contourEnds_;  // one past each contour's last point
  std::size_t subpathStart_ = 0;
};

}  // namespace vemo::web
