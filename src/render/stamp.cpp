#include "render/stamp.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace vemo {

namespace {

// Reads the file's header piece by piece, each piece at the exact place the
// format puts it.
class HeaderReader {
 public:
  explicit HeaderReader(std::string_view text) : text_(text) {}

  void expect(std::string_view literal) {
    if (text_.substr(at_, literal.size()) != literal) fail();
    at_ += literal.size();
  }
  int number() {
    int value = 0;
    const char* begin = text_.data() + at_;
    const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), value);
    if (error != std::errc{} || end == begin) fail();
    at_ += static_cast<std::size_t>(end - begin);
    return value;
  }
  std::size_t offset() const { return at_; }

 private:
  [[noreturn]] static void fail() { throw std::invalid_argument("not a stamp file"); }
  std::string_view text_;
  std::size_t at_ = 0;
};

Rect Clipped(Rect r, const Surface& surface) {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, surface.width()),
          std::min(r.bottom, surface.height())};
}

void Paint(Surface& surface, int x, int y, Rgb colour) {
  std::uint8_t* p = surface.bytes() + static_cast<std::size_t>(y) * surface.bytesPerLine() + static_cast<std::size_t>(x) * 3;
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
}

}  // namespace

Stamp ReadStamp(std::span<const unsigned char> file) {
  HeaderReader header({reinterpret_cast<const char*>(file.data()), file.size()});
  Stamp stamp;
  header.expect("P4\n# stamp ");
  stamp.x = header.number();
  header.expect(" ");
  stamp.y = header.number();
  header.expect(" ");
  stamp.whiteBox.left = header.number();
  header.expect(" ");
  stamp.whiteBox.top = header.number();
  header.expect(" ");
  stamp.whiteBox.right = header.number();
  header.expect(" ");
  stamp.whiteBox.bottom = header.number();
  header.expect("\n");
  stamp.width = header.number();
  header.expect(" ");
  stamp.height = header.number();
  header.expect("\n");
  constexpr int kLargest = 1 << 14;
  if (stamp.width < 0 || stamp.height < 0 || stamp.width > kLargest || stamp.height > kLargest)
    throw std::invalid_argument("stamp too large");
  const std::size_t size = static_cast<std::size_t>(stamp.bytesPerRow()) * static_cast<std::size_t>(stamp.height);
  if (file.size() - header.offset() != size) throw std::invalid_argument("stamp bits of the wrong length");
  stamp.bits.assign(file.begin() + static_cast<std::ptrdiff_t>(header.offset()), file.end());
  return stamp;
}

std::string WriteStamp(const Stamp& stamp) {
  const Rect& w = stamp.whiteBox;
  std::string file = "P4\n# stamp " + std::to_string(stamp.x) + " " + std::to_string(stamp.y) + " " +
                     std::to_string(w.left) + " " + std::to_string(w.top) + " " + std::to_string(w.right) + " " +
                     std::to_string(w.bottom) + "\n" + std::to_string(stamp.width) + " " +
                     std::to_string(stamp.height) + "\n";
  file.append(stamp.bits.begin(), stamp.bits.end());
  return file;
}

void DrawStamp(Surface& surface, const Stamp& stamp) {
  // Written straight into the bytes, as the desktop's text painter does.
  const Rect white = Clipped(stamp.whiteBox, surface);
  for (int y = white.top; y < white.bottom; ++y)
    for (int x = white.left; x < white.right; ++x) Paint(surface, x, y, Surface::kWhite);
  const Rect mask = Clipped(stamp.maskBox(), surface);
  for (int y = mask.top; y < mask.bottom; ++y)
    for (int x = mask.left; x < mask.right; ++x)
      if (stamp.black(x - stamp.x, y - stamp.y)) Paint(surface, x, y, {0, 0, 0});
  surface.markChanged(white);
  surface.markChanged(mask);
}

}  // namespace vemo
