#pragma once
// The desktop's "information" sound, played through the freedesktop sound
// theme. Playing never blocks; without a sound server it is silent.

namespace vemo::desktop {

class InformationSound {
 public:
  void play();
};

}  // namespace vemo::desktop
