// Decoding the banner picture with libjpeg.
#pragma once

#include <string_view>
#include <vector>

namespace vantorel {

// Rows from the top, each pixel four bytes: blue, green, red, unused; the
// layout a 32-bit top-down device-independent bitmap takes.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> bgrx;
};

// False, with `picture` left empty, for data that is not a JPEG image
// libjpeg can decode; libjpeg's own error exit (which ends the process) is
// never reached.
bool DecodeJpeg(std::string_view data, Picture& picture);

}  // namespace vantorel
