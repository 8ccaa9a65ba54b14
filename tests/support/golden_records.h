#pragma once
// A records file worked out by hand from the format, byte by byte
// (tests/golden/records_file.bin), and what it holds.
//
// Every run has key 100 but the last (199), so the key draws are 0 nine
// times, then 99. The steps, in draws (a step is 50 + draw):
//   row 1, 9849: 10000 - 9849 = 151; 91, 88, 75 and 57 would leave 10, 13,
//                26 and 44 and are drawn again; 50 leaves 51
//   row 2, 9700: 50, 10 (100 and 60 leave 140)
//   row 3, 9000: 99 five times (255 left), 35 (170), 76 and 94 would leave
//                44 and 26, 10 leaves 110
//   rows 4 to 9: steps of 149 (draw 99) until 150 or less is left
//   row 10, 0:   39601 in 265 steps of 149, 116 left; the run is 267 bytes
//                long, so its checksum counts only the first 11
// Line 11 holds the flags 1011010, line 12 the side 17, line 35 a line to carry.

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "records/record_row.h"

namespace vemo::testing {

inline std::string GoldenRecordsFile() {
  std::ifstream in(std::filesystem::path(VEMO_GOLDEN_DIR) / "records_file.bin", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The table as a successful read leaves it.
inline RecordRows GoldenRows() {
  return {{{"Вася", "9849"},
           {"abc", "9700"},
           {"Ёж", "9000"},
           {"", "9000"},
           {"Петя Иванов", "5000"},
           {"z", "4321"},
           {"----------", "100"},
           {"Ю", "1"},
           {"x y", "1"},
           {"----------", "0"}}};
}

// The draws that write the golden file again, in the order the writer asks for them.
inline std::deque<int> GoldenDraws() {
  std::deque<int> draws(9, 0);
  draws.push_back(99);
  const auto steps = [&draws](std::initializer_list<int> some) { draws.insert(draws.end(), some); };
  const auto repeat = [&draws](int count) { draws.insert(draws.end(), count, 99); };
  steps({91, 88, 75, 57, 50});
  steps({50, 10});
  repeat(5);
  steps({35, 76, 94, 10});
  // Rows 4 to 9: 1000, 5000, 5679, 9900, 9999 and 9999 in steps of 149.
  for (int count : {6, 33, 38, 66, 67, 67}) repeat(count);
  repeat(265);
  return draws;
}

}  // namespace vemo::testing
