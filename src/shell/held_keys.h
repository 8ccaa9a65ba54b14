#pragma once
// The keys that went down on the main window and have not come up yet.
//
// When the window loses the keyboard, the window system never reports the
// releases of the keys held at that moment; the program releases them itself,
// in the order they went down, and then owes nothing more for them: a release
// that still arrives later is dropped, while a key pressed again is held anew.

#include <vector>

namespace vemo {

class HeldKeys {
 public:
  // A key went down (a repeated press of a held key changes nothing).
  void press(int key);
  // A key came up; false when its release was already given by takeAll().
  // The release of a key whose press was never seen here still counts.
  bool release(int key);
  // Every held key in the order it went down; they are held no more, and
  // their late releases are dropped.
  std::vector<int> takeAll();

 private:
  std::vector<int> held_;
  std::vector<int> released_;  // released by takeAll(), the real release still to come
};

}  // namespace vemo
