#include "render/fire_pictures.h"

#include <embedded/vemo_assets.h>

#include "render/jpeg.h"

namespace vemo {

std::array<Picture, 6> LoadFirePictures() {
  return {DecodeJpeg(assets::I0_jpg), DecodeJpeg(assets::I1_jpg), DecodeJpeg(assets::I2_jpg),
          DecodeJpeg(assets::I3_jpg), DecodeJpeg(assets::I4_jpg), DecodeJpeg(assets::I5_jpg)};
}

}  // namespace vemo
