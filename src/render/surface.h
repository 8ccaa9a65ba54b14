#pragma once
// The main window's drawing surface: an RGB pixel buffer of the client area
// with the drawing operations the games use. Everything drawn stays until it
// is drawn over; the front end shows the buffer and repaints the region that
// changed since it last looked.

#include <cstdint>
#include <vector>

#include "render/picture.h"

namespace vemo {

enum class PenStyle { Solid, DashDotDot };

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Surface {
 public:
  static constexpr int kWidth = 639;
  static constexpr int kHeight = 476;
  static constexpr Rgb kWhite{255, 255, 255};

  Surface(int width = kWidth, int height = kHeight, Rgb fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Pixels outside the surface read as black and are not written.
  Rgb pixel(int x, int y) const;
  void setPixel(int x, int y, Rgb colour);
  // Copies the whole picture with its top-left pixel at (x, y), cut at the edges.
  void drawPicture(int x, int y, const Picture& picture);
  void fill(Rgb colour);

  // Lines with the current pen, from the current point; the end pixel is not drawn.
  void setPen(Rgb colour, PenStyle style);
  void setPenColour(Rgb colour) { penColour_ = colour; }
  Rgb penColour() const { return penColour_; }
  PenStyle penStyle() const { return penStyle_; }
  void moveTo(int x, int y);
  void lineTo(int x, int y);
  // Fills (left, top)..(right - 1, bottom - 1) with the white brush and outlines
  // it with the current pen.
  void rectangle(int left, int top, int right, int bottom);

  // Raw pixels: rows of width() * 3 bytes, red, green, blue.
  const std::uint8_t* bytes() const { return bytes_.data(); }
  std::uint8_t* bytes() { return bytes_.data(); }
  int bytesPerLine() const { return width_ * 3; }
  // Marks a region as changed by someone writing into bytes() directly.
  void markChanged(Rect r);

  // Single-pixel reads and writes so far; the restore rule is judged by them.
  std::uint64_t pixelReads() const { return pixelReads_; }
  std::uint64_t pixelWrites() const { return pixelWrites_; }

  // The region changed since the last call; empties it.
  Rect takeChanged();
  const Rect& changed() const { return changed_; }

 private:
  std::uint8_t* at(int x, int y) { return bytes_.data() + (static_cast<std::size_t>(y) * width_ + x) * 3; }
  void plot(int x, int y, Rgb c) {
    std::uint8_t* p = at(x, y);
    p[0] = c.r; p[1] = c.g; p[2] = c.b;
  }
  void grow(int x, int y) { markChanged({x, y, x + 1, y + 1}); }

  int width_, height_;
  std::vector<std::uint8_t> bytes_;
  Rect changed_{};
  mutable std::uint64_t pixelReads_ = 0;
  std::uint64_t pixelWrites_ = 0;
  Rgb penColour_{};
  PenStyle penStyle_ = PenStyle::Solid;
  int penX_ = 0, penY_ = 0;
};

}  // namespace vemo
