#include "platform/posix_path.h"

namespace vantorel {

std::string ToPosixPath(std::string_view path) {
  std::string out(path);
  for (size_t i = 0; i < out.size(); ++i) {
    auto byte = static_cast<unsigned char>(out[i]);
    if (byte >= 0x80) {
      ++i;
    } else if (byte == '\\') {
      out[i] = '/';
    }
  }
  return out;
}

}  // namespace vantorel
