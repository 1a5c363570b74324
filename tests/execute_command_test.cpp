// The execute button's whole decision, over a real installation folder in a
// temporary folder: the choice, the two texts and the disk before; the
// messages shown and the disk after.
#include <gtest/gtest.h>

#include "patch/ad_procedures.h"
#include "patch/execute_command.h"
#include "tests/support/disk.h"
#include "tests/support/fake_window.h"
#include "tests/support/sample_profile.h"

namespace vantorel {
namespace {

using testing::FakeWindow;
using testing::kAdFiles;
using testing::Original;
using testing::SampleProfile;

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The messages as the user must read them, with their icons: 64 is the
// information icon, 48 the exclamation mark.
struct Expected {
  char id;
  std::string text;
  unsigned style;
};
const Expected kExpected[] = {
    {'A', U8(u8"你都还未选择需要执行的选项- -!!"), 64},
    {'B', U8(u8"程序未检测到旺旺软件哦!如果确定已经安装，请手动按浏览指定安装目录。"), 64},
    {'C', U8(u8"请输入您的旺旺会员名，否则无法去除广告哦!"), 64},
    {'D',
     U8(u8"请检查您的旺旺会员名是否输入正确，或是您还未在本机登录过旺旺会员号，如果您未在本机登录过"
        u8"旺旺会员号，请关闭补丁程序后在本机登录一次旺旺会员号再运行补丁去广告!"),
     64},
    {'E', U8(u8"补丁已执行成功!"), 64},
    {'F', U8(u8"补丁已执行过，无须再执行了"), 64},
    {'G', U8(u8"请检查您的旺旺会员名是否输入正确!"), 64},
    {'H', U8(u8"执行还原成功!"), 64},
    {'I', U8(u8"补丁已执行还原过，无须再执行了!"), 64},
    {'P', U8(u8"补丁未能完全执行，部分广告文件无法处理。请退出旺旺后先执行还原，再重新去除广告!"),
     48},
    {'R', U8(u8"还原未能完全执行，部分广告文件无法恢复。请退出旺旺后先执行去除，再重新还原!"), 48},
};

// The ids of the shown messages, each checked for its exact text, title and
// style; '?' for a text that is none of them.
std::string ShownIds(const FakeWindow& window) {
  std::string ids;
  for (const testing::ShownMessage& shown : window.shown()) {
    EXPECT_EQ(testing::Cp936ToUtf8(shown.title), U8(u8"温馨提示："));
    char id = '?';
    for (const Expected& expected : kExpected) {
      if (testing::Cp936ToUtf8(shown.text) == expected.text) {
        id = expected.id;
        EXPECT_EQ(shown.style, expected.style) << id;
      }
    }
    ids += id;
  }
  return ids;
}

enum class Disk { kNoProfile, kFresh, kMarker1, kPatched, kMarkerOther, kMarkerWithoutKey };
enum class After { kUnchanged, kPatched, kRestored };

struct Row {
  const char* what;
  bool remove, restore;
  const char* install_dir;  // "@" stands for the installation folder
  const char* member_name;
  Disk disk;
  const char* messages;
  After after;
};

void Lay(const SampleProfile& profile, Disk disk) {
  FileSystem& fs = SystemFileSystem();
  if (disk == Disk::kNoProfile) return;
  profile.SeedAll();
  const std::string marker = profile.At("KVTR NoAD.ini");
  switch (disk) {
    case Disk::kMarker1: WritePatchState(fs, profile.account(), "1"); break;
    case Disk::kPatched:
      WritePatchState(fs, profile.account(), "1");
      RemoveAds(fs, profile.account());
      break;
    case Disk::kMarkerOther: WritePatchState(fs, profile.account(), "3"); break;
    case Disk::kMarkerWithoutKey:
      ASSERT_TRUE(testing::WriteFileBytes(marker, "[KVTR NoAD]\r\nOther=1\r\n"));
      break;
    default: break;
  }
}

void ExpectPatched(const SampleProfile& profile) {
  for (const std::string& name : kAdFiles) {
    EXPECT_EQ(testing::ReadFileBytes(profile.At(name + ".KVTR")), Original(name)) << name;
    EXPECT_EQ(testing::KindOf(profile.At(name)), testing::EntryKind::kDirectory) << name;
  }
  EXPECT_EQ(profile.State(), "2");
}

void ExpectRestored(const SampleProfile& profile) {
  std::map<std::string, std::string> want;
  for (const std::string& name : kAdFiles) want[name] = Original(name);
  std::map<std::string, std::string> got = testing::Snapshot(profile.dir());
  got.erase("KVTR NoAD.ini");
  EXPECT_EQ(got, want);
  EXPECT_EQ(profile.State(), "1");
}

class DecisionTable : public ::testing::TestWithParam<Row> {};

TEST_P(DecisionTable, ShowsItsMessagesAndLeavesTheDisk) {
  const Row& row = GetParam();
  SampleProfile profile;
  if (row.disk == Disk::kNoProfile) testing::RemoveAll(profile.dir());
  Lay(profile, row.disk);
  const auto before = testing::Snapshot(profile.root());

  std::string install_dir = row.install_dir == std::string("@") ? profile.root() : row.install_dir;
  FakeWindow window(row.remove, row.restore, install_dir, row.member_name);
  ExecuteCommand(window, SystemFileSystem());

  EXPECT_EQ(ShownIds(window), row.messages);
  switch (row.after) {
    case After::kUnchanged: EXPECT_EQ(testing::Snapshot(profile.root()), before); break;
    case After::kPatched: ExpectPatched(profile); break;
    case After::kRestored: ExpectRestored(profile); break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecisionTable,
    ::testing::Values(
        Row{"nothing_chosen_nothing_typed", false, false, "", "", Disk::kFresh, "A",
            After::kUnchanged},
        Row{"nothing_chosen", false, false, "@", "demo", Disk::kFresh, "A", After::kUnchanged},
        Row{"remove_without_folder", true, false, "", "demo", Disk::kFresh, "B", After::kUnchanged},
        Row{"restore_without_folder", false, true, "", "", Disk::kPatched, "B", After::kUnchanged},
        Row{"remove_without_member", true, false, "@", "", Disk::kFresh, "C", After::kUnchanged},
        Row{"restore_without_member", false, true, "@", "", Disk::kPatched, "C", After::kUnchanged},
        Row{"remove_mistyped_member", true, false, "@", "dem", Disk::kFresh, "D",
            After::kUnchanged},
        Row{"remove_no_profile", true, false, "@", "demo", Disk::kNoProfile, "D",
            After::kUnchanged},
        Row{"remove_blank_folder", true, false, "   ", "demo", Disk::kFresh, "D",
            After::kUnchanged},
        Row{"remove_first_time", true, false, "@", "demo", Disk::kFresh, "E", After::kPatched},
        Row{"remove_state_1", true, false, "@", "demo", Disk::kMarker1, "E", After::kPatched},
        Row{"remove_state_2", true, false, "@", "demo", Disk::kPatched, "F", After::kUnchanged},
        Row{"remove_state_other", true, false, "@", "demo", Disk::kMarkerOther, "F",
            After::kUnchanged},
        Row{"remove_marker_without_key", true, false, "@", "demo", Disk::kMarkerWithoutKey, "F",
            After::kUnchanged},
        Row{"restore_mistyped_member", false, true, "@", "dem", Disk::kPatched, "G",
            After::kUnchanged},
        Row{"restore_state_2", false, true, "@", "demo", Disk::kPatched, "H", After::kRestored},
        Row{"restore_state_1", false, true, "@", "demo", Disk::kMarker1, "I", After::kUnchanged},
        Row{"restore_first_time", false, true, "@", "demo", Disk::kFresh, "I", After::kUnchanged},
        Row{"restore_state_other", false, true, "@", "demo", Disk::kMarkerOther, "I",
            After::kUnchanged},
        Row{"both_fresh", true, true, "@", "demo", Disk::kFresh, "EH", After::kRestored},
        Row{"both_patched", true, true, "@", "demo", Disk::kPatched, "FH", After::kRestored},
        Row{"both_no_profile", true, true, "@", "demo", Disk::kNoProfile, "DG", After::kUnchanged}),
    [](const ::testing::TestParamInfo<Row>& param) { return std::string(param.param.what); });

TEST(ExecuteCommand, SecondPressOfTheSameActionChangesNothing) {
  SampleProfile profile;
  profile.SeedAll();
  FakeWindow remove(true, false, profile.root(), "demo");
  ExecuteCommand(remove, SystemFileSystem());
  const auto patched = testing::Snapshot(profile.root());
  ExecuteCommand(remove, SystemFileSystem());
  EXPECT_EQ(ShownIds(remove), "EF");
  EXPECT_EQ(testing::Snapshot(profile.root()), patched);

  FakeWindow restore(false, true, profile.root(), "demo");
  ExecuteCommand(restore, SystemFileSystem());
  ExecuteCommand(restore, SystemFileSystem());
  EXPECT_EQ(ShownIds(restore), "HI");
  ExpectRestored(profile);
}

TEST(ExecuteCommand, RestoringANeverHandledAccountCreatesNoMarker) {
  SampleProfile profile;
  profile.SeedAll();
  FakeWindow restore(false, true, profile.root(), "demo");
  ExecuteCommand(restore, SystemFileSystem());
  EXPECT_EQ(ShownIds(restore), "I");
  EXPECT_EQ(testing::KindOf(profile.At("KVTR NoAD.ini")), testing::EntryKind::kMissing);
}

// Refuses to rename one path, standing in for a file that another program
// holds open.
class RefusingRename final : public FileSystem {
 public:
  RefusingRename(FileSystem& real, std::string refused)
      : real_(real), refused_(std::move(refused)) {}
  bool FileExists(std::string_view path) override { return real_.FileExists(path); }
  bool DirectoryExists(std::string_view path) override { return real_.DirectoryExists(path); }
  bool RenameFile(std::string_view from, std::string_view to) override {
    return from != refused_ && real_.RenameFile(from, to);
  }
  bool MakeDirectory(std::string_view path) override { return real_.MakeDirectory(path); }
  bool RemoveDirectoryTree(std::string_view path) override {
    return real_.RemoveDirectoryTree(path);
  }
  std::string ReadIniValue(std::string_view file, std::string_view section,
                           std::string_view key) override {
    return real_.ReadIniValue(file, section, key);
  }
  bool WriteIniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) override {
    return real_.WriteIniValue(file, section, key, value);
  }

 private:
  FileSystem& real_;
  std::string refused_;
};

TEST(ExecuteCommand, APartialRemovalIsReportedAndUndoneByRestoring) {
  SampleProfile profile;
  profile.SeedAll();
  RefusingRename held(SystemFileSystem(), profile.At("insideAD.xml"));
  FakeWindow remove(true, false, profile.root(), "demo");
  ExecuteCommand(remove, held);
  EXPECT_EQ(ShownIds(remove), "P");
  EXPECT_EQ(profile.State(), "2");
  EXPECT_TRUE(profile.NothingLost());

  FakeWindow restore(false, true, profile.root(), "demo");
  ExecuteCommand(restore, SystemFileSystem());
  EXPECT_EQ(ShownIds(restore), "H");
  ExpectRestored(profile);
}

TEST(ExecuteCommand, AFileHeldOpenMakesThePartialRemoval) {
  SampleProfile profile;
  profile.SeedAll();
  FakeWindow remove(true, false, profile.root(), "demo");
  {
    testing::FileLock lock(profile.At("chatBanner.xml"));
    if (!lock.held()) GTEST_SKIP() << "this platform has no lock against renaming";
    ExecuteCommand(remove, SystemFileSystem());
  }
  EXPECT_EQ(ShownIds(remove), "P");
  FakeWindow restore(false, true, profile.root(), "demo");
  ExecuteCommand(restore, SystemFileSystem());
  EXPECT_EQ(ShownIds(restore), "H");
  ExpectRestored(profile);
}

TEST(ExecuteCommand, APartialRestorationIsReportedAndMendedByRemovingAgain) {
  SampleProfile profile;
  profile.SeedAll();
  FakeWindow remove(true, false, profile.root(), "demo");
  ExecuteCommand(remove, SystemFileSystem());
  // Something the blocker cannot lose: a read-only file inside it.
  const std::string stuck = profile.At("tribeAD.xml\\stuck");
  ASSERT_TRUE(testing::WriteFileBytes(stuck, "s"));
  testing::SetReadOnly(stuck, true);

  FakeWindow restore(false, true, profile.root(), "demo");
  ExecuteCommand(restore, SystemFileSystem());
  EXPECT_EQ(ShownIds(restore), "R");
  EXPECT_EQ(profile.State(), "1");
  EXPECT_TRUE(profile.NothingLost());

  testing::SetReadOnly(stuck, false);
  ExecuteCommand(remove, SystemFileSystem());
  ExecuteCommand(restore, SystemFileSystem());
  EXPECT_EQ(ShownIds(remove), "EE");
  EXPECT_EQ(ShownIds(restore), "RH");
  std::map<std::string, std::string> got = testing::Snapshot(profile.dir());
  got.erase("KVTR NoAD.ini");
  for (const std::string& name : kAdFiles) EXPECT_EQ(got[name], Original(name)) << name;
}

TEST(ExecuteCommand, MemberNamesThatCannotBeFolderNamesFindNoProfile) {
  // Folders that a bad name could reach, with a file each that must stay.
  SampleProfile profile;
  profile.SeedAll();
  ASSERT_TRUE(testing::MakeFolder(profile.root() + "\\somewhere"));
  ASSERT_TRUE(testing::WriteFileBytes(profile.root() + "\\somewhere\\chatAD.xml", "x"));
  const auto before = testing::Snapshot(profile.root());
  const std::string names[] = {
      "x\\..\\..\\somewhere",
      "de/mo",
      "de:mo",
      "dem*",
      "dem?",
      "de\"mo",
      "de<mo",
      "de>mo",
      "de|mo",
      "de\x01mo",
      "demo\x1f",
      "\xff",
      "de\x81",
      "\x81\x20",
      "\x81\x7f",
  };
  for (const std::string& name : names) {
    FakeWindow remove(true, false, profile.root(), name);
    ExecuteCommand(remove, SystemFileSystem());
    FakeWindow restore(false, true, profile.root(), name);
    ExecuteCommand(restore, SystemFileSystem());
    EXPECT_EQ(ShownIds(remove) + ShownIds(restore), "DG") << testing::Cp936ToUtf8(name);
  }
  EXPECT_EQ(testing::Snapshot(profile.root()), before);
}

TEST(ExecuteCommand, ChineseMemberNamesWork) {
  // 表 is B1 ED; 昞 is 95 5C, whose second byte is the backslash.
  for (std::string name : {std::string("\xb1\xed"), std::string("\x95\x5c"
                                                                "abc")}) {
    SampleProfile profile(name);
    profile.SeedAll();
    FakeWindow remove(true, false, profile.root(), name);
    ExecuteCommand(remove, SystemFileSystem());
    EXPECT_EQ(ShownIds(remove), "E");
    ExpectPatched(profile);
    FakeWindow restore(false, true, profile.root(), name);
    ExecuteCommand(restore, SystemFileSystem());
    EXPECT_EQ(ShownIds(restore), "H");
    ExpectRestored(profile);
  }
}

TEST(ExecuteCommand, HugeAndMalformedTextsAreNeitherCutNorCrash) {
  SampleProfile profile;
  profile.SeedAll();
  const auto before = testing::Snapshot(profile.root());
  struct Case {
    std::string install_dir, member_name;
  } cases[] = {
      {profile.root() + "\\" + std::string(5000, 'a'), "demo"},
      {profile.root(), std::string(5000, 'm')},
      {std::string(6000, '\\'), std::string(6000, 'x')},
      {profile.root() + "\\\xff\xfe\x80", "demo"},
  };
  for (const Case& c : cases) {
    FakeWindow both(true, true, c.install_dir, c.member_name);
    ExecuteCommand(both, SystemFileSystem());
    EXPECT_EQ(ShownIds(both), "DG");
  }
  EXPECT_EQ(testing::Snapshot(profile.root()), before);
}

}  // namespace
}  // namespace vantorel
