// The behaviour of the six disk operations the engine relies on. The same
// cases run against the POSIX layer natively and against the Win32 layer
// under Wine.
#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
#include "tests/support/disk.h"

namespace vantorel {
namespace {

using testing::EntryKind;
using testing::KindOf;
using testing::ListNames;
using testing::MakeFolder;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class FileSystemContract : public ::testing::Test {
 protected:
  std::string At(std::string_view relative) const {
    return root_.path() + "\\" + std::string(relative);
  }
  void File(std::string_view relative, std::string_view bytes = "x") {
    ASSERT_TRUE(WriteFileBytes(At(relative), bytes)) << relative;
  }
  void Folder(std::string_view relative) { ASSERT_TRUE(MakeFolder(At(relative))) << relative; }

  FileSystem& fs_ = SystemFileSystem();
  testing::TempFolder root_;
};

TEST_F(FileSystemContract, FileExistsAndDirectoryExists) {
  Folder("dir");
  File("dir\\chatAD.xml");
  File("dir\\.hidden");
  struct Case {
    std::string path;
    bool exists, directory;
  } cases[] = {
      {At("dir"), true, true},
      {At("dir\\"), false, false},  // a closing "\" finds nothing
      {At("dir\\chatAD.xml"), true, false},
      {At("dir\\.hidden"), true, false},
      {At("missing"), false, false},
      {"", false, false},
      {At("dir\\*.xml"), true, false},  // wildcards in the last component
      {At("dir\\chat??.xml"), true, false},
      {At("dir\\*.txt"), false, false},
      {At("d*\\chatAD.xml"), false, false},  // but not earlier
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fs_.FileExists(c.path), c.exists) << c.path;
    EXPECT_EQ(fs_.DirectoryExists(c.path), c.directory) << c.path;
  }
}

TEST_F(FileSystemContract, RenameMovesFilesAndFoldersButNeverReplaces) {
  File("a", "A");
  File("b", "B");
  Folder("d");
  File("d\\inner", "I");

  EXPECT_FALSE(fs_.RenameFile(At("a"), At("b")));
  EXPECT_FALSE(fs_.RenameFile(At("a"), At("d")));
  EXPECT_FALSE(fs_.RenameFile(At("missing"), At("c")));
  EXPECT_EQ(ReadFileBytes(At("a")), "A");
  EXPECT_EQ(ReadFileBytes(At("b")), "B");
  EXPECT_EQ(KindOf(At("c")), EntryKind::kMissing);

  EXPECT_TRUE(fs_.RenameFile(At("a"), At("c")));
  EXPECT_EQ(KindOf(At("a")), EntryKind::kMissing);
  EXPECT_EQ(ReadFileBytes(At("c")), "A");

  EXPECT_TRUE(fs_.RenameFile(At("d"), At("e")));
  EXPECT_EQ(ReadFileBytes(At("e\\inner")), "I");
}

TEST_F(FileSystemContract, MakeDirectoryCreatesOnlyTheLastComponent) {
  File("taken", "T");
  Folder("there");
  EXPECT_TRUE(fs_.MakeDirectory(At("new")));
  EXPECT_EQ(KindOf(At("new")), EntryKind::kDirectory);
  EXPECT_FALSE(fs_.MakeDirectory(At("taken")));
  EXPECT_EQ(ReadFileBytes(At("taken")), "T");
  EXPECT_FALSE(fs_.MakeDirectory(At("there")));
  EXPECT_FALSE(fs_.MakeDirectory(At("nowhere\\new")));
  EXPECT_EQ(KindOf(At("nowhere")), EntryKind::kMissing);
  EXPECT_FALSE(fs_.MakeDirectory(""));
}

TEST_F(FileSystemContract, RemoveDirectoryTreeRemovesEverythingInside) {
  Folder("empty");
  EXPECT_TRUE(fs_.RemoveDirectoryTree(At("empty\\")));
  EXPECT_EQ(KindOf(At("empty")), EntryKind::kMissing);

  Folder("tree");
  Folder("tree\\a");
  Folder("tree\\a\\b");
  File("tree\\top");
  File("tree\\.hidden");
  File("tree\\a\\b\\deep");
  Folder("tree\\.hidden-dir");
  EXPECT_TRUE(fs_.RemoveDirectoryTree(At("tree")));
  EXPECT_EQ(KindOf(At("tree")), EntryKind::kMissing);
}

TEST_F(FileSystemContract, RemoveDirectoryTreeLeavesAReadOnlyFileAndItsFolders) {
  Folder("tree");
  Folder("tree\\a");
  Folder("tree\\a\\b");
  Folder("tree\\other");
  File("tree\\top");
  File("tree\\a\\sibling");
  File("tree\\a\\b\\locked", "L");
  File("tree\\other\\x");
  testing::SetReadOnly(At("tree\\a\\b\\locked"), true);

  EXPECT_FALSE(fs_.RemoveDirectoryTree(At("tree\\")));

  EXPECT_EQ(ReadFileBytes(At("tree\\a\\b\\locked")), "L");
  EXPECT_EQ(ListNames(At("tree")), std::vector<std::string>{"a"});
  EXPECT_EQ(ListNames(At("tree\\a")), std::vector<std::string>{"b"});
  testing::SetReadOnly(At("tree\\a\\b\\locked"), false);
}

TEST_F(FileSystemContract, RemoveDirectoryTreeRefusesWhatIsNotADirectory) {
  File("file", "F");
  for (std::string path : {At("file"), At("file\\"), At("missing"), std::string(""),
                           std::string("C:"), std::string("C:\\")}) {
    EXPECT_FALSE(fs_.RemoveDirectoryTree(path)) << path;
  }
  EXPECT_EQ(ReadFileBytes(At("file")), "F");
}

TEST_F(FileSystemContract, RemoveDirectoryTreeNeverDeletesThroughALink) {
  Folder("outside");
  File("outside\\keep", "K");
  Folder("tree");
  File("tree\\mine");
  std::string why_not;
  if (!testing::MakeDirectoryLink(At("tree\\link"), At("outside"), why_not)) {
    GTEST_SKIP() << "no directory link on this system: " << why_not;
  }
  ASSERT_TRUE(testing::MakeDirectoryLink(At("link2"), At("outside"), why_not));

  EXPECT_TRUE(fs_.RemoveDirectoryTree(At("tree")));
  EXPECT_EQ(KindOf(At("tree")), EntryKind::kMissing);
  EXPECT_EQ(ReadFileBytes(At("outside\\keep")), "K");

  // Given the link itself, the link goes and its target stays whole.
  EXPECT_TRUE(fs_.RemoveDirectoryTree(At("link2\\")));
  EXPECT_EQ(KindOf(At("link2")), EntryKind::kMissing);
  EXPECT_EQ(ReadFileBytes(At("outside\\keep")), "K");
}

TEST_F(FileSystemContract, ReadIniValueFindsNothingAndCreatesNothing) {
  EXPECT_EQ(fs_.ReadIniValue(At("none.ini"), "KVTR NoAD", "NoAD"), "");
  EXPECT_EQ(KindOf(At("none.ini")), EntryKind::kMissing);

  File("m.ini", "[Other]\r\nNoAD=9\r\n[KVTR NoAD]\r\nElse=1\r\nEmpty=\r\n");
  struct Case {
    std::string_view section, key;
  } cases[] = {{"KVTR NoAD", "NoAD"},
               {"Missing", "NoAD"},
               {"KVTR NoAD", "Empty"},
               {"", "NoAD"},
               {"KVTR NoAD", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), c.section, c.key), "") << c.section << "/" << c.key;
  }
  EXPECT_EQ(fs_.ReadIniValue("", "KVTR NoAD", "NoAD"), "");
}

TEST_F(FileSystemContract, ReadIniValueReadsWhatWindowsWrites) {
  // Written as Windows' own INI functions and editors leave such a file.
  File("m.ini", "; comment\r\n[Other]\r\nNoAD=9\r\n\r\n[KVTR NoAD]\r\nNoAD = 2 \r\nX=y\r\n");
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "KVTR NoAD", "NoAD"), "2");
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "Other", "NoAD"), "9");
}

TEST_F(FileSystemContract, WriteIniValueCreatesTheFileInWindowsLayout) {
  EXPECT_TRUE(fs_.WriteIniValue(At("m.ini"), "KVTR NoAD", "NoAD", "1"));
  EXPECT_EQ(ReadFileBytes(At("m.ini")), "[KVTR NoAD]\r\nNoAD=1\r\n");
  EXPECT_TRUE(fs_.WriteIniValue(At("m.ini"), "KVTR NoAD", "NoAD", "2"));
  EXPECT_TRUE(fs_.WriteIniValue(At("m.ini"), "KVTR NoAD", "Other", "x"));
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "KVTR NoAD", "NoAD"), "2");
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "KVTR NoAD", "Other"), "x");

  EXPECT_FALSE(fs_.WriteIniValue(At("missing\\m.ini"), "KVTR NoAD", "NoAD", "1"));
  EXPECT_EQ(KindOf(At("missing")), EntryKind::kMissing);
}

TEST_F(FileSystemContract, WriteIniValueKeepsTheRestOfTheFile) {
  File("m.ini", "[Other]\r\nA=1\r\n[KVTR NoAD]\r\nNoAD=1\r\n[Last]\r\nB=2\r\n");
  EXPECT_TRUE(fs_.WriteIniValue(At("m.ini"), "KVTR NoAD", "NoAD", "2"));
  EXPECT_TRUE(fs_.WriteIniValue(At("m.ini"), "Other", "C", "3"));
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "KVTR NoAD", "NoAD"), "2");
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "Other", "A"), "1");
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "Other", "C"), "3");
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "Last", "B"), "2");
}

TEST_F(FileSystemContract, IniValuesAreCutAtTheBufferSize) {
  std::string long_value(12000, 'v');
  ASSERT_TRUE(fs_.WriteIniValue(At("m.ini"), "S", "K", long_value));
  EXPECT_EQ(fs_.ReadIniValue(At("m.ini"), "S", "K"), std::string(10239, 'v'));
}

TEST_F(FileSystemContract, RelativePathsReachTheSameFolderEverywhere) {
  std::string before = testing::CurrentFolder();
  ASSERT_TRUE(testing::ChangeFolder(root_.path()));
  Folder("rel");
  EXPECT_TRUE(fs_.WriteIniValue("rel\\m.ini", "KVTR NoAD", "NoAD", "1"));
  EXPECT_TRUE(fs_.FileExists("rel\\m.ini"));
  EXPECT_EQ(fs_.ReadIniValue("rel\\m.ini", "KVTR NoAD", "NoAD"), "1");
  EXPECT_EQ(fs_.ReadIniValue("m.ini", "KVTR NoAD", "NoAD"), "");
  EXPECT_TRUE(fs_.WriteIniValue("bare.ini", "S", "K", "v"));
  EXPECT_TRUE(fs_.FileExists("bare.ini"));
  EXPECT_EQ(fs_.ReadIniValue("bare.ini", "S", "K"), "v");
  ASSERT_TRUE(testing::ChangeFolder(before));
  EXPECT_EQ(KindOf(At("rel\\m.ini")), EntryKind::kFile);
  EXPECT_EQ(KindOf(At("bare.ini")), EntryKind::kFile);
}

TEST_F(FileSystemContract, DoubleByteNamesPassUnchanged) {
  // "表" in code page 936 is 0xB1 0xED; "\x95\x5c" is a character whose
  // second byte is the backslash.
  const std::string name = "\xb1\xed\x95\x5c";
  EXPECT_TRUE(fs_.MakeDirectory(At(name)));
  EXPECT_TRUE(fs_.DirectoryExists(At(name)));
  EXPECT_EQ(ListNames(root_.path()).size(), 1u);
  EXPECT_TRUE(fs_.WriteIniValue(At(name + "\\m.ini"), "S", "K", "v"));
  EXPECT_EQ(fs_.ReadIniValue(At(name + "\\m.ini"), "S", "K"), "v");
  EXPECT_TRUE(fs_.RemoveDirectoryTree(At(name + "\\")));
  EXPECT_TRUE(ListNames(root_.path()).empty());
}

}  // namespace
}  // namespace vantorel
