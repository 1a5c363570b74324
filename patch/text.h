// Texts are byte strings in the system ANSI code page; an absent text is the
// empty one.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vantorel {

// -1, 0 or 1 by the first differing byte, each taken as 0 to 255; a proper
// prefix is the lesser. Letter case matters.
int TextCompare(std::string_view a, std::string_view b);

size_t TextLength(std::string_view text);

// The parts one after another, as a new text.
std::string ConcatTexts(std::initializer_list<std::string_view> parts);

}  // namespace vantorel
