#include "records/line_image.h"

#include <algorithm>

namespace vemo {

namespace {
constexpr std::size_t kFreshLineCount = 40;
const std::string kEmpty;
}  // namespace

LineImage LineImage::Fresh() {
  std::vector<std::string> lines{"0"};
  lines.resize(kFreshLineCount);
  return LineImage(std::move(lines));
}

const std::string& LineImage::line(std::size_t i) const { return i < lines_.size() ? lines_[i] : kEmpty; }

void LineImage::set(std::size_t i, std::string text) {
  if (i >= lines_.size()) lines_.resize(i + 1);
  lines_[i] = std::move(text);
}

LineImage SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
    lines.emplace_back(bytes.substr(pos, std::min(end - pos, kMaxLineBytes)));
    const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
    pos = end + (crLf ? 2 : 1);
  }
  return LineImage(std::move(lines));
}

std::string JoinLines(const LineImage& image) {
  std::string out;
  for (const std::string& line : image.lines()) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace vemo
