#pragma once
// The records file a new player starts with: the built-in table, the options
// of a new window and the default field size. Its scrambling draws come from a
// fixed seed, so every build makes the same bytes.

#include <string>

#include "records/record_row.h"

namespace vemo {

std::string FreshRecordsFile();
// The same with another table, scrambled from `seed`.
std::string NewRecordsFile(const RecordRows& rows, unsigned seed);

}  // namespace vemo
