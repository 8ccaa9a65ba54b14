#include "render/surface.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vemo {

namespace {
// The standard dash-dot-dot pattern of one-pixel lines: a dash of 9, then two
// dots of 3, with gaps of 3; the gaps are painted in the brush colour.
constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};
constexpr int kDashDotDotPeriod = 24;

bool DashDotDotOn(int step) {
  int pos = step % kDashDotDotPeriod;
  for (std::size_t i = 0; i < kDashDotDot.size(); ++i) {
    if (pos < kDashDotDot[i]) return i % 2 == 0;
    pos -= kDashDotDot[i];
  }
  return false;
}
}  // namespace

Surface::Surface(int width, int height, Rgb fill)
    : width_(width), height_(height), bytes_(static_cast<std::size_t>(width) * height * 3) {
  this->fill(fill);
  changed_ = {};
}

Rgb Surface::pixel(int x, int y) const {
  ++pixelReads_;
  if (!contains(x, y)) return {};
  const std::uint8_t* p = bytes_.data() + (static_cast<std::size_t>(y) * width_ + x) * 3;
  return {p[0], p[1], p[2]};
}

void Surface::setPixel(int x, int y, Rgb colour) {
  ++pixelWrites_;
  if (!contains(x, y)) return;
  plot(x, y, colour);
  grow(x, y);
}

void Surface::drawPicture(int x, int y, const Picture& picture) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + picture.width, width_), y1 = std::min(y + picture.height, height_);
  if (x0 >= x1 || y0 >= y1) return;
  // Only the pixels that really change count as changed: the snake field is
  // redrawn whole every 10 ms after a resume, and what looks the same must
  // not be shown again.
  Rect differs{x1, y1, x0, y0};
  for (int py = y0; py < y1; ++py) {
    const Rgb* src = &picture.pixels[static_cast<std::size_t>(py - y) * picture.width + (x0 - x)];
    std::uint8_t* dst = at(x0, py);
    for (int px = x0; px < x1; ++px, ++src, dst += 3) {
      if (dst[0] == src->r && dst[1] == src->g && dst[2] == src->b) continue;
      dst[0] = src->r; dst[1] = src->g; dst[2] = src->b;
      differs = {std::min(differs.left, px), std::min(differs.top, py), std::max(differs.right, px + 1),
                 std::max(differs.bottom, py + 1)};
    }
  }
  markChanged(differs);
}

void Surface::fill(Rgb colour) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) plot(x, y, colour);
  markChanged({0, 0, width_, height_});
}

void Surface::setPen(Rgb colour, PenStyle style) {
  penColour_ = colour;
  penStyle_ = style;
}

void Surface::moveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void Surface::lineTo(int x, int y) {
  // Bresenham from the current point, stopping before the end point.
  int cx = penX_, cy = penY_;
  const int dx = std::abs(x - cx), dy = -std::abs(y - cy);
  const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
  int err = dx + dy;
  for (int step = 0; cx != x || cy != y; ++step) {
    const bool on = penStyle_ == PenStyle::Solid || DashDotDotOn(step);
    setPixel(cx, cy, on ? penColour_ : kWhite);
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; cx += sx; }
    if (e2 <= dx) { err += dx; cy += sy; }
  }
  penX_ = x;
  penY_ = y;
}

void Surface::rectangle(int left, int top, int right, int bottom) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x) plot(x, y, kWhite);
  markChanged({left, top, right, bottom});
  moveTo(left, top);
  lineTo(right - 1, top);
  lineTo(right - 1, bottom - 1);
  lineTo(left, bottom - 1);
  lineTo(left, top);
}

void Surface::markChanged(Rect r) {
  r = {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width_), std::min(r.bottom, height_)};
  if (r.empty()) return;
  if (changed_.empty()) {
    changed_ = r;
    return;
  }
  changed_ = {std::min(changed_.left, r.left), std::min(changed_.top, r.top), std::max(changed_.right, r.right),
              std::max(changed_.bottom, r.bottom)};
}

Rect Surface::takeChanged() {
  Rect r = changed_;
  changed_ = {};
  return r;
}

}  // namespace vemo
