#include "web/outline_fill.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace vemo::web {

namespace {

// 16.16 fixed point along the edges, in 64 bits as on the desktop's machines.
using Fixed16 = std::int64_t;
constexpr Fixed16 kOne16 = 1 << 16;
Fixed16 Multiply16(Fixed16 a, Fixed16 b) { return (a * b) >> 16; }

struct Cubic {
  OutlineFill::Point p1, p2, p3, p4;

  std::array<Cubic, 2> halves() const {
    auto mid = [](OutlineFill::Point a, OutlineFill::Point b) { return OutlineFill::Point{(a.x + b.x) * .5, (a.y + b.y) * .5}; };
    const auto m12 = mid(p1, p2), m23 = mid(p2, p3), m34 = mid(p3, p4);
    const auto m123 = mid(m12, m23), m234 = mid(m23, m34);
    const auto centre = mid(m123, m234);
    return {Cubic{p1, m12, m123, centre}, Cubic{centre, m234, m34, p4}};
  }
};

// Halves the curve until each piece's control points lie within
// `threshold` of its chord (at most nine times), and appends the pieces' ends.
void Flatten(const Cubic& curve, double threshold, std::vector<OutlineFill::Point>& out) {
  std::array<Cubic, 10> stack{};
  std::array<int, 10> levels{};
  stack[0] = curve;
  levels[0] = 9;
  int top = 0;
  while (top >= 0) {
    Cubic& b = stack[static_cast<std::size_t>(top)];
    const double dy = b.p4.y - b.p1.y;
    const double dx = b.p4.x - b.p1.x;
    double length = std::abs(dx) + std::abs(dy);
    double distance = 0;
    if (length > 1.) {
      distance = std::abs(dx * (b.p1.y - b.p2.y) - dy * (b.p1.x - b.p2.x)) +
                 std::abs(dx * (b.p1.y - b.p3.y) - dy * (b.p1.x - b.p3.x));
    } else {
      distance = std::abs(b.p1.x - b.p2.x) + std::abs(b.p1.y - b.p2.y) + std::abs(b.p1.x - b.p3.x) +
                 std::abs(b.p1.y - b.p3.y);
      length = 1.;
    }
    if (distance < threshold * length || levels[static_cast<std::size_t>(top)] == 0) {
      out.push_back(b.p4);
      --top;
    } else {
      const auto [first, second] = b.halves();
      stack[static_cast<std::size_t>(top)] = second;
      stack[static_cast<std::size_t>(top) + 1] = first;
      levels[static_cast<std::size_t>(top) + 1] = --levels[static_cast<std::size_t>(top)];
      ++top;
    }
  }
}

struct Edge {
  Fixed16 x = 0;      // at the centre of row `top`, plus half a pixel
  Fixed16 delta = 0;  // per row
  int top = 0;
  int bottom = 0;     // inclusive
  int winding = 0;
};

}  // namespace

void OutlineFill::moveTo(Point p) {
  closeSubpath();
  if (!points_.empty()) contourEnds_.push_back(points_.size());
  subpathStart_ = points_.size();
  points_.push_back(p);
}

void OutlineFill::lineTo(Point p) { points_.push_back(p); }

void OutlineFill::cubicTo(Point c1, Point c2, Point end) {
  if (points_.empty()) return;
  // A quarter pixel: the flatness the desktop uses at a scale of one.
  Flatten({points_.back(), c1, c2, end}, 0.25, points_);
}

void OutlineFill::closeSubpath() {
  if (points_.empty()) return;
  const Point start = points_[subpathStart_];
  if (points_.back().x != start.x || points_.back().y != start.y) points_.push_back(start);
}

void OutlineFill::fill(int left, int top, int right, int bottom,
                       const std::function<void(int x, int end, int y)>& ink) {
  closeSubpath();
  if (points_.size() < 3) return;
  contourEnds_.push_back(points_.size());

  std::vector<Vector> v;
  v.reserve(points_.size());
  for (const Point& p : points_) v.push_back({std::lround(p.x * 64), std::lround(p.y * 64)});
  long minY = v[0].y, maxY = v[0].y;
  for (const Vector& p : v) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  // Rows whose centres the shape can reach, within the clip.
  const int firstRow = std::max(top, static_cast<int>((minY + 32) >> 6));
  const int lastRow = std::min(bottom - 1, static_cast<int>((maxY - 32) >> 6));
  if (firstRow > lastRow) return;

  std::vector<Edge> edges;
  auto addEdge = [&](Vector a, Vector b) {
    int winding = 1;
    if (a.y > b.y) {
      std::swap(a, b);
      winding = -1;
    }
    const int rowTop = std::max(firstRow, static_cast<int>((a.y + 32) >> 6));
    const int rowBottom = std::min(lastRow, static_cast<int>((b.y - 32) >> 6));
    if (rowTop > rowBottom) return;
    const Fixed16 ax = kOne16 / 2 + static_cast<Fixed16>(a.x) * 1024;
    if (a.x == b.x) {
      edges.push_back({ax, 0, rowTop, rowBottom, winding});
      return;
    }
    const double slope = static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
    const auto slope16 = static_cast<Fixed16>(slope * 65536.);
    const Fixed16 x = ax + Multiply16(slope16, rowTop * kOne16 + kOne16 / 2 - static_cast<Fixed16>(a.y) * 1024);
    edges.push_back({x, slope16, rowTop, rowBottom, winding});
  };
  std::size_t first = 0;
  for (const std::size_t end : contourEnds_) {
    for (std::size_t j = first; j + 1 < end; ++j) addEdge(v[j], v[j + 1]);
    first = end;
  }

  // Row by row, the edges that cross the row's centre, from left to right;
  // each keeps stepping by its own slope.
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.top < b.top; });
  std::vector<Edge*> active;
  std::size_t next = 0;
  for (int y = firstRow; y <= lastRow; ++y) {
    for (; next < edges.size() && edges[next].top == y; ++next) active.push_back(&edges[next]);
    std::sort(active.begin(), active.end(), [](const Edge* a, const Edge* b) { return a->x < b->x; });
    int x = 0;
    int winding = 0;
    for (Edge* e : active) {
      const int current = static_cast<int>(e->x >> 16);
      if (winding != 0 && std::max(x, left) < std::min(current, right)) ink(std::max(x, left), std::min(current, right), y);
      x = current;
      winding += e->winding;
      e->x += e->delta;
    }
    std::erase_if(active, [y](const Edge* e) { return e->bottom == y; });
  }
}

}  // namespace vemo::web
