#include "patch/text.h"

namespace vantorel {

int TextCompare(std::string_view a, std::string_view b) {
  size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

size_t TextLength(std::string_view text) { return text.size(); }

std::string ConcatTexts(std::initializer_list<std::string_view> parts) {
  size_t length = 0;
  for (std::string_view part : parts) length += part.size();
  std::string text;
  text.reserve(length);
  for (std::string_view part : parts) text.append(part);
  return text;
}

}  // namespace vantorel
