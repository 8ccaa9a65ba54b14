#pragma once
// The lines of the records file "data": what saving builds from the table,
// the option check marks and the field size, and what loading takes back.
// Pure functions on the line image, so no disk is needed to exercise them.
//
//   line 0        image checksum
//   lines 1..10   record lines: score run "," name "," row checksum
//   line 11       the seven option flags, "1" checked, "0" not
//   line 12       the side of the snake field
//   lines 13, 14  empty
//   lines 15..24  the plain score texts of rows 1..10
//   lines 25..30  empty
//   lines 31..    carried over unchanged

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/line_image.h"
#include "records/record_row.h"
#include "records/score_run.h"
#include "shell/menu_items.h"
#include "snake/field_side.h"

namespace vemo {

inline constexpr const char* kRecordsFileName = "data";

// The menu items of the option flags, in the order of line 11.
inline constexpr std::array<std::string_view, 7> kOptionItems{
    MenuName(MenuId::N8),  MenuName(MenuId::N9),  MenuName(MenuId::N22), MenuName(MenuId::N34),
    MenuName(MenuId::N35), MenuName(MenuId::N11), MenuName(MenuId::N31)};
using OptionFlags = std::array<bool, kOptionItems.size()>;

inline constexpr std::int32_t kDefaultFieldSize = kDefaultFieldSide;

// The bytes a name is stored as: cp1251, with CR, LF, NUL and Ctrl-Z (which
// would end a line or, to older readers, the file) turned into blanks, cut to
// kMaxNameLength. A comma stays: reading cuts the name there, as it always has.
std::string StoredName(std::string_view utf8);

// Builds lines 0..30 of the image from the table (scores higher or lower than
// a run can carry are stored as the nearest one that fits, plain line
// included), keeping lines 31 and later. Keys come first, one draw a row,
// then the steps row by row.
void BuildImage(LineImage& image, const RecordRows& rows, const OptionFlags& options, std::int32_t fieldSize,
                const RandomDraw& draw);

// The sum over lines 1..24 of each line's first (length mod 256) bytes.
int ImageChecksum(const LineImage& image);

// Line 12; outside 1..20 it gives the default side. Throws
// PlatformError::notAnInteger when the line is not an integer.
std::int32_t ReadFieldSize(const LineImage& image);

// Line 11; a missing flag counts as unchecked.
OptionFlags ReadOptions(const LineImage& image);

// The table of lines 1..24 when every decoded score equals its plain line;
// nothing when one differs (or a record line has no key). Throws
// PlatformError::notAnInteger at the first plain line that is not an integer.
std::optional<RecordRows> ReadRecords(const LineImage& image);

}  // namespace vemo
