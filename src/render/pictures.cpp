#include "render/pictures.h"

#include "render/background.h"
#include "render/fire_pictures.h"

namespace vemo {

Pictures Pictures::Load() { return {MakeBackground(), LoadFirePictures()}; }

}  // namespace vemo
