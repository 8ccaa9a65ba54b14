#include "desktop/information_sound.h"

#include <canberra.h>

#include <QApplication>

namespace vemo::desktop {

InformationSound::~InformationSound() {
  if (context_) ca_context_destroy(context_);
}

void InformationSound::play() {
  // The context is made on first use: most runs never beep.
  if (!context_ && !contextFailed_) contextFailed_ = ca_context_create(&context_) != CA_SUCCESS;
  if (contextFailed_) {
    QApplication::beep();
    return;
  }
  // Asynchronous; a missing sound server or sound file only makes it fail
  // quietly, which is what a beep on a silent machine should do.
  ca_context_play(context_, 0, CA_PROP_EVENT_ID, "dialog-information", nullptr);
}

}  // namespace vemo::desktop
