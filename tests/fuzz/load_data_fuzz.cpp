// Fuzz target: any bytes as the records file. Reading must never crash, and
// whatever the reading takes (or the built-in table after a failed check),
// written again, must read back unchanged apart from the documented limits.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

#include "records/cp1251.h"
#include "shell/str_to_int.h"
#include "records/records_file.h"
#include "shell/event_entry.h"

namespace {

using namespace vemo;

void Require(bool condition) {
  if (!condition) std::abort();
}

// What a row's score reads back as after a write.
std::string ExpectedScore(const std::string& text) {
  return std::to_string(StoredScore(ToInt(text)));
}

// What a row's name reads back as after a write.
std::string ExpectedName(const std::string& name) {
  const std::string stored = StoredName(name);
  return Cp1251ToUtf8(std::string_view(stored).substr(0, stored.find(',')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const LineImage image = SplitLines(bytes);
  for (const std::string& line : image.lines())
    Require(line.size() <= kMaxLineBytes && line.find_first_of("\r\n") == std::string::npos);

  std::int32_t side = 0;
  OptionFlags options{};
  std::optional<RecordRows> rows;
  try {
    side = ReadFieldSize(image);
    options = ReadOptions(image);
    rows = ReadRecords(image);
  } catch (const PlatformError&) {
    return 0;  // the reading stops, as it does in the program
  }
  Require(side >= 1 && side <= 20);
  const RecordRows table = rows ? *rows : BuiltInRows();

  // The rewrite after a failed check, or the next save after a good read.
  std::mt19937 generator(static_cast<std::uint32_t>(size));
  LineImage rewritten = image;
  BuildImage(rewritten, table, options, side,
             [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); });
  const LineImage reread = SplitLines(JoinLines(rewritten));
  Require(reread.size() == rewritten.size());
  Require(ReadFieldSize(reread) == side);
  Require(ReadOptions(reread) == options);
  const std::optional<RecordRows> back = ReadRecords(reread);
  Require(back.has_value());
  for (std::size_t i = 0; i < table.size(); ++i) {
    Require((*back)[i].score == ExpectedScore(table[i].score));
    Require((*back)[i].name == ExpectedName(table[i].name));
  }
  return 0;
}
