#include "desktop/information_sound.h"

#include <canberra.h>

#include <QApplication>

namespace vemo::desktop {

namespace {
// One context for the whole process, made on first use (most runs never beep)
// and never destroyed: destroying it unloads canberra's output driver while
// that driver's own thread may still be playing the last sound.
ca_context* SharedContext() {
  static ca_context* const context = [] {
    ca_context* made = nullptr;
    return ca_context_create(&made) == CA_SUCCESS ? made : nullptr;
  }();
  return context;
}
}  // namespace

void InformationSound::play() {
  ca_context* context = SharedContext();
  if (context == nullptr) {
    // Then the plain system beep stands in.
    QApplication::beep();
    return;
  }
  // Asynchronous; a missing sound server or sound file only makes it fail
  // quietly, which is what a beep on a silent machine should do.
  ca_context_play(context, 0, CA_PROP_EVENT_ID, "dialog-information", nullptr);
}

}  // namespace vemo::desktop
