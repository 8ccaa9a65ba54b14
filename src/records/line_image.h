#pragma once
// The records file held in memory as a list of byte lines, without their
// line ends. A line that does not exist reads as empty; writing one extends
// the list with empty lines up to it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vemo {

// Reading keeps at most this many bytes of a line; the rest of it is dropped.
inline constexpr std::size_t kMaxLineBytes = 4096;

class LineImage {
 public:
  LineImage() = default;
  explicit LineImage(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  // The list before any file is read: "0" and 39 empty lines.
  static LineImage Fresh();

  std::size_t size() const { return lines_.size(); }
  const std::string& line(std::size_t i) const;
  void set(std::size_t i, std::string text);
  const std::vector<std::string>& lines() const { return lines_; }

  friend bool operator==(const LineImage&, const LineImage&) = default;

 private:
  std::vector<std::string> lines_;
};

// The lines of a file's bytes. CR LF, a lone CR and a lone LF each end a
// line; a line break at the very end adds no empty line.
LineImage SplitLines(std::string_view bytes);

// The file's bytes: every line followed by CR LF.
std::string JoinLines(const LineImage& image);

}  // namespace vemo
