#include "render/fire_pictures.h"

#include <embedded/vemo_assets.h>

#include "render/jpeg.h"

namespace vemo {

Picture DecodeFirePicture(int level) {
  static const std::array kData{assets::I0_jpg, assets::I1_jpg, assets::I2_jpg,
                                assets::I3_jpg, assets::I4_jpg, assets::I5_jpg};
  return DecodeJpeg(kData.at(static_cast<std::size_t>(level)));
}

}  // namespace vemo
