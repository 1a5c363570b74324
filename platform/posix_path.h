// Windows-form paths on POSIX.
#pragma once

#include <string>
#include <string_view>

namespace vantorel {

// Turns every "\" into "/", passing over the second byte of each double-byte
// character of the ANSI code page (a lead byte is 0x80 or more), so that a
// trail byte of 0x5C is never taken for a separator.
std::string ToPosixPath(std::string_view path);

}  // namespace vantorel
