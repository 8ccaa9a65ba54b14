#include "records/records_file.h"

#include <string>

#include "records/cp1251.h"
#include "shell/str_to_int.h"
#include "shell/event_entry.h"

namespace vemo {

namespace {

constexpr std::size_t kChecksumLine = 0;
constexpr std::size_t kFirstRecordLine = 1;
constexpr std::size_t kOptionsLine = 11;
constexpr std::size_t kFieldSizeLine = 12;
constexpr std::size_t kFirstPlainLine = 15;
constexpr std::size_t kLastBuiltLine = 30;
constexpr std::size_t kLastCheckedLine = 24;

// The longest record line a write can make: the run of the lowest stored
// score under the highest key of its range, the longest name and a
// five-digit checksum (at most 255 * 255). A reader must get it whole.
constexpr std::int64_t kWorstRest = std::int64_t{kKeyBase + kDrawSpan - 1} * (kKeyBase + kDrawSpan - 1) -
                                    kLowestStoredScore;
constexpr std::int64_t kWorstSteps = (kWorstRest - kLastRemainder + kStepBase - 1) / kStepBase;
constexpr std::int64_t kWorstRecordLine = 1 + kWorstSteps + 1 + 1 + std::int64_t{kMaxNameLength} + 1 + 5;
static_assert(kWorstRecordLine <= std::int64_t{kMaxLineBytes});
// High scores use keys up to 255, but their rest is far smaller.
static_assert(255 * 255 - 9850 < kWorstRest);

constexpr std::int32_t kSmallestField = 1;
constexpr std::int32_t kLargestField = 20;

std::int32_t LineInteger(const std::string& line) {
  if (const auto value = StrToInt(line)) return *value;
  throw PlatformError::notAnInteger(Cp1251ToUtf8(line));
}

// The text between the first and the second comma; empty without a second one.
std::string_view NameField(std::string_view line) {
  const std::size_t first = line.find(',');
  if (first == std::string_view::npos) return {};
  const std::size_t second = line.find(',', first + 1);
  if (second == std::string_view::npos) return {};
  return line.substr(first + 1, second - first - 1);
}

}  // namespace

std::string StoredName(std::string_view utf8) {
  std::string bytes = Utf8ToCp1251(utf8);
  constexpr auto kLimit = static_cast<std::size_t>(kMaxNameLength);
  if (bytes.size() > kLimit) bytes.resize(kLimit);
  for (char& b : bytes)
    if (b == '\r' || b == '\n' || b == '\0' || b == '\x1a') b = ' ';
  return bytes;
}

void BuildImage(LineImage& image, const RecordRows& rows, const OptionFlags& options, std::int32_t fieldSize,
                const RandomDraw& draw) {
  for (std::size_t i = 1; i <= kLastBuiltLine; ++i) image.set(i, {});
  image.set(kChecksumLine, "0");

  std::array<std::int32_t, kTableRows> scores{};
  std::array<int, kTableRows> keys{};
  for (std::size_t r = 0; r < kTableRows; ++r) {
    scores[r] = ToInt(rows[r].score);
    keys[r] = DrawKey(StoredScore(scores[r]), draw);
    image.set(kFirstRecordLine + r, std::string(1, static_cast<char>(keys[r])));
  }
  for (std::size_t r = 0; r < kTableRows; ++r) {
    const std::int32_t stored = StoredScore(scores[r]);
    std::string run = BuildScoreRun(keys[r], stored, draw);
    const int checksum = RowChecksum(run);
    image.set(kFirstPlainLine + r, stored == scores[r] ? rows[r].score : std::to_string(stored));
    image.set(kFirstRecordLine + r, run + "," + StoredName(rows[r].name) + "," + std::to_string(checksum));
  }

  std::string flags;
  for (const bool on : options) flags += on ? '1' : '0';
  image.set(kOptionsLine, flags);
  image.set(kFieldSizeLine, std::to_string(fieldSize));
  image.set(kChecksumLine, std::to_string(ImageChecksum(image)));
}

int ImageChecksum(const LineImage& image) {
  int sum = 0;
  for (std::size_t i = 1; i <= kLastCheckedLine; ++i) sum += RowChecksum(image.line(i));
  return sum;
}

std::int32_t ReadFieldSize(const LineImage& image) {
  const std::int32_t side = LineInteger(image.line(kFieldSizeLine));
  return side < kSmallestField || side > kLargestField ? kDefaultFieldSize : side;
}

OptionFlags ReadOptions(const LineImage& image) {
  const std::string& flags = image.line(kOptionsLine);
  OptionFlags options{};
  for (std::size_t i = 0; i < options.size(); ++i) options[i] = i < flags.size() && flags[i] == '1';
  return options;
}

std::optional<RecordRows> ReadRecords(const LineImage& image) {
  RecordRows rows;
  bool agree = true;
  for (std::size_t r = 0; r < kTableRows; ++r) {
    const std::string& line = image.line(kFirstRecordLine + r);
    const std::optional<std::int64_t> decoded = DecodeScore(line);
    const std::int32_t plain = LineInteger(image.line(kFirstPlainLine + r));
    if (!decoded || *decoded != plain) {
      agree = false;
      continue;
    }
    rows[r] = {Cp1251ToUtf8(NameField(line)), std::to_string(*decoded)};
  }
  if (!agree) return std::nullopt;
  return rows;
}

}  // namespace vemo
