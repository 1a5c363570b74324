#include <gtest/gtest.h>

#include "app/jpeg_picture.h"
#include "tests/support/disk.h"

namespace vantorel {
namespace {

// The banner, copied beside the tests by the build; ctest runs them there.
std::string Banner() { return testing::ReadFileBytes("banner.jpg").value_or(""); }

TEST(DecodeJpeg, DecodesTheBanner) {
  const std::string jpeg = Banner();
  ASSERT_FALSE(jpeg.empty());
  Picture picture;
  ASSERT_TRUE(DecodeJpeg(jpeg, picture));
  EXPECT_EQ(picture.width, 449);
  EXPECT_EQ(picture.height, 65);
  ASSERT_EQ(picture.bgrx.size(), 449u * 65u * 4u);
  // The banner is blue from edge to edge: in the top-left and bottom-right
  // corners blue outweighs red, and the bytes are laid out blue first.
  for (size_t at : {size_t{0}, picture.bgrx.size() - 4}) {
    EXPECT_GT(picture.bgrx[at + 0], picture.bgrx[at + 2] + 40) << at;
  }
}

TEST(DecodeJpeg, RefusesWhatIsNotAJpegWithoutEndingTheProcess) {
  const std::string jpeg = Banner();
  const std::string cases[] = {"", "not a picture", jpeg.substr(0, 20), "\xff\xd8\xff\xe0garbage"};
  for (const std::string& data : cases) {
    Picture picture;
    EXPECT_FALSE(DecodeJpeg(data, picture)) << data.size();
    EXPECT_EQ(picture.width, 0);
    EXPECT_TRUE(picture.bgrx.empty());
  }
}

}  // namespace
}  // namespace vantorel
