#pragma once
// Decoding of JPEG data into a Picture.

#include <span>
#include <stdexcept>

#include "render/picture.h"

namespace vemo {

// A picture could not be decoded; what() says why.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes a complete JPEG image (grayscale or colour) into RGB pixels.
// Throws PictureError for data that is not JPEG, damaged or cut short: the
// decoder's usual answer to damage, a warning and grey filler, counts as a
// failure here. Prints nothing.
Picture DecodeJpeg(std::span<const unsigned char> bytes);

}  // namespace vemo
