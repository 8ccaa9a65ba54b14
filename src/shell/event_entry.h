#pragma once
// The one place where events enter the core. A failure of the platform's file
// and number services that the program does not catch stops the handler it
// occurs in; the entry shows the error box with the failure's text and a period
// added, and returns. An outer handler waiting in a modal window goes on waiting.

#include <stdexcept>
#include <string>
#include <utility>

#include "shell/desktop.h"

namespace vemo {

// "Cannot open file %s", "Cannot create file %s", "'%s' is not a valid integer value".
class PlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  static PlatformError cannotOpen(const std::string& file) { return PlatformError("Cannot open file " + file); }
  static PlatformError cannotCreate(const std::string& file) { return PlatformError("Cannot create file " + file); }
  static PlatformError notAnInteger(const std::string& text) {
    return PlatformError("'" + text + "' is not a valid integer value");
  }
};

// The error box of a failure: its text with a period added.
inline void ShowPlatformError(Desktop& desktop, const PlatformError& failure) {
  desktop.messageBox(MessageKind::Error, std::string(failure.what()) + ".");
}

// Runs one handler to completion; returns false when a platform failure stopped it.
template <typename Handler>
bool EnterHandler(Desktop& desktop, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const PlatformError& failure) {
    ShowPlatformError(desktop, failure);
    return false;
  }
}

}  // namespace vemo
