#pragma once
// Text to integer, as the program reads numbers typed by the player or stored
// in its files. Accepted: optional leading blanks (spaces or tabs), an
// optional '+' or '-', then one or more decimal digits, nothing after them,
// and a value that fits in 32 bits. Anything else (empty text, trailing
// blanks, hexadecimal forms, out-of-range values) is not an integer.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "shell/event_entry.h"

namespace vemo {

inline std::optional<int> StrToInt(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return std::nullopt;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  // Accumulate the magnitude in 64 bits so the most negative value fits too.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

// The conversion of a handler that does not catch the failure: a text that is
// not an integer stops the handler with the platform's error.
inline int ToInt(std::string_view text) {
  if (const std::optional<int> value = StrToInt(text)) return *value;
  throw PlatformError::notAnInteger(std::string(text));
}

}  // namespace vemo
