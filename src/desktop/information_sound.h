#pragma once
// The desktop's "information" sound, played through the freedesktop sound
// theme. Playing never blocks; without a sound server it is silent.

struct ca_context;

namespace vemo::desktop {

class InformationSound {
 public:
  InformationSound() = default;
  InformationSound(const InformationSound&) = delete;
  InformationSound& operator=(const InformationSound&) = delete;
  ~InformationSound();

  void play();

 private:
  ca_context* context_ = nullptr;
  bool contextFailed_ = false;  // then the plain system beep stands in
};

}  // namespace vemo::desktop
