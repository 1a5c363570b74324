#include <gtest/gtest.h>

#include "patch/profile_layout.h"
#include "tests/support/disk.h"

namespace vantorel {
namespace {

TEST(ProfilePath, JoinsTheTextsWithoutNormalising) {
  struct Case {
    std::string_view install_dir, member_name, suffix, want;
  } cases[] = {
      {"C:\\WW", "abc", "", "C:\\WW\\profiles\\wangwangabc"},
      {"C:\\WW\\", "abc", "", "C:\\WW\\\\profiles\\wangwangabc"},
      {"C:\\WW", " abc ", "\\chatAD.xml", "C:\\WW\\profiles\\wangwang abc \\chatAD.xml"},
      {"rel", "x", "", "rel\\profiles\\wangwangx"},
      {"", "", "", "\\profiles\\wangwang"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProfilePath({c.install_dir, c.member_name}, c.suffix), c.want);
  }
}

TEST(ProfilePath, NamesEveryFileOfTheLayout) {
  const Account account{"D:\\AliWangWang", "demo"};
  const std::string dir = "D:\\AliWangWang\\profiles\\wangwangdemo";
  EXPECT_EQ(ProfileDir(account), dir);
  EXPECT_EQ(MarkerFile(account), dir + "\\KVTR NoAD.ini");
  EXPECT_EQ(AdFile(account, "tribeAD.xml"), dir + "\\tribeAD.xml");
  EXPECT_EQ(BlockerDir(account, "tribeAD.xml"), dir + "\\tribeAD.xml");
  EXPECT_EQ(BackupName(account, "tribeAD.xml"), dir + "\\tribeAD.xml.KVTR");
  EXPECT_EQ(BlockerDirForDeletion(account, "tribeAD.xml"), dir + "\\tribeAD.xml\\");
}

TEST(AdFileTable, HoldsTheSevenFilesInOrder) {
  const std::vector<std::string_view> want = {
      "chatAD.xml",    "chatBanner.xml", "friendBanner.xml", "insideAD.xml",
      "insideAD2.xml", "tribeAD.xml",    "tribeBanner.xml"};
  EXPECT_EQ(std::vector<std::string_view>(AdFileTable.begin(), AdFileTable.end()), want);
}

TEST(PatchRecord, ReadsAndWritesTheMarkerInTheProfileFolder) {
  testing::TempFolder root;
  FileSystem& fs = SystemFileSystem();
  const Account account{root.path(), "abc"};
  EXPECT_FALSE(ProfileExists(fs, account));
  ASSERT_TRUE(testing::MakeFolder(root.path() + "\\profiles"));
  ASSERT_TRUE(testing::MakeFolder(root.path() + "\\profiles\\wangwangabc"));
  EXPECT_TRUE(ProfileExists(fs, account));
  EXPECT_FALSE(ProfileExists(fs, {root.path(), "ab"}));

  EXPECT_FALSE(MarkerExists(fs, account));
  EXPECT_EQ(ReadPatchState(fs, account), "");
  EXPECT_FALSE(MarkerExists(fs, account));  // reading created nothing

  WritePatchState(fs, account, "1");
  EXPECT_TRUE(MarkerExists(fs, account));
  EXPECT_EQ(ReadPatchState(fs, account), "1");
  WritePatchState(fs, account, "2");
  EXPECT_EQ(ReadPatchState(fs, account), "2");
  EXPECT_EQ(testing::ReadFileBytes(root.path() + "\\profiles\\wangwangabc\\KVTR NoAD.ini"),
            "[KVTR NoAD]\r\nNoAD=2\r\n");
}

}  // namespace
}  // namespace vantorel
