#pragma once
// The three texts the surface ever shows, as stamps built into the program.

#include "render/stamp.h"

namespace vemo {

enum class StampId {
  Title,   // the product name on the title layer
  Hint,    // "Нажмите на это окно" under it
  Saving,  // "Запись..." on its white box while the records file is written
};

Stamp SurfaceStamp(StampId id);

}  // namespace vemo
