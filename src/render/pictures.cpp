#include "render/pictures.h"

#include "render/background.h"
#include "render/fire_pictures.h"

namespace vemo {

const Picture& Pictures::I(int level) const {
  std::optional<Picture>& fire = fire_.at(static_cast<std::size_t>(level));
  if (!fire) fire = DecodeFirePicture(level);
  return *fire;
}

Pictures Pictures::Load() {
  Pictures pictures;
  pictures.Image1 = MakeBackground();
  return pictures;
}

}  // namespace vemo
