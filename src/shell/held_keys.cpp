#include "shell/held_keys.h"

#include <algorithm>

namespace vemo {

namespace {

bool Remove(std::vector<int>& keys, int key) {
  const auto it = std::find(keys.begin(), keys.end(), key);
  if (it == keys.end()) return false;
  keys.erase(it);
  return true;
}

}  // namespace

void HeldKeys::press(int key) {
  Remove(released_, key);
  if (std::find(held_.begin(), held_.end(), key) == held_.end()) held_.push_back(key);
}

bool HeldKeys::release(int key) {
  if (Remove(held_, key)) return true;
  return !Remove(released_, key);
}

std::vector<int> HeldKeys::takeAll() {
  std::vector<int> keys;
  keys.swap(held_);
  for (const int key : keys)
    if (std::find(released_.begin(), released_.end(), key) == released_.end()) released_.push_back(key);
  return keys;
}

}  // namespace vemo
