#include "render/surface_stamps.h"

#include <embedded/vemo_assets.h>

#include <stdexcept>

namespace vemo {

Stamp SurfaceStamp(StampId id) {
  switch (id) {
    case StampId::Title: return ReadStamp(assets::title_pbm);
    case StampId::Hint: return ReadStamp(assets::hint_pbm);
    case StampId::Saving: return ReadStamp(assets::saving_pbm);
  }
  throw std::invalid_argument("no such stamp");
}

}  // namespace vemo
