#include <gtest/gtest.h>

#include "patch/text.h"

namespace vantorel {
namespace {

TEST(TextCompare, OrdersByUnsignedBytesAndLength) {
  struct Case {
    std::string_view a, b;
    int want;
  } cases[] = {
      {"", "", 0},
      {"AliIM.exe", "AliIM.exe", 0},
      {"AliIM.exe", "AliIM.EXE", 1},  // case matters
      {"abc", "abcd", -1},            // a proper prefix is the lesser
      {"abcd", "abc", 1},
      {"\x80", "a", 1},  // bytes above 0x7F are large, not negative
      {"a", "\xff", -1},
      {"", "x", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextCompare(c.a, c.b), c.want) << c.a << " vs " << c.b;
  }
}

TEST(ConcatTexts, JoinsPartsInOrderAndSkipsEmptyOnes) {
  EXPECT_EQ(ConcatTexts({"C:\\x", "", "\\profiles\\wangwang", "abc"}),
            "C:\\x\\profiles\\wangwangabc");
  EXPECT_EQ(ConcatTexts({}), "");
  EXPECT_EQ(TextLength(ConcatTexts({"ab", "\xd6\xd0"})), 4u);
}

}  // namespace
}  // namespace vantorel
