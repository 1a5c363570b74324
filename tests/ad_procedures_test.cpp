#include <gtest/gtest.h>

#include <iostream>

#include "patch/ad_procedures.h"
#include "patch/execute_command.h"
#include "tests/support/disk.h"
#include "tests/support/fake_window.h"
#include "tests/support/recording_file_system.h"
#include "tests/support/sample_profile.h"

namespace vantorel {
namespace {

using testing::EntryKind;
using testing::KindOf;
using testing::ListNames;
using testing::ReadFileBytes;

using testing::kAdFiles;
using testing::Original;
using Profile = testing::SampleProfile;

class AdProcedures : public ::testing::Test {
 protected:
  FileSystem& fs_ = SystemFileSystem();
  Profile profile_;
};

TEST_F(AdProcedures, RemoveThenRestoreRoundTrip) {
  profile_.SeedAll();
  RemoveAds(fs_, profile_.account());
  for (const std::string& name : kAdFiles) {
    EXPECT_EQ(ReadFileBytes(profile_.At(name + ".KVTR")), Original(name)) << name;
    EXPECT_EQ(KindOf(profile_.At(name)), EntryKind::kDirectory) << name;
    EXPECT_TRUE(ListNames(profile_.At(name)).empty()) << name;
  }
  EXPECT_EQ(profile_.State(), "2");
  EXPECT_EQ(ListNames(profile_.dir()).size(), 15u);

  RestoreAds(fs_, profile_.account());
  std::vector<std::string> want = kAdFiles;
  want.push_back("KVTR NoAD.ini");
  std::sort(want.begin(), want.end());
  EXPECT_EQ(ListNames(profile_.dir()), want);
  for (const std::string& name : kAdFiles) {
    EXPECT_EQ(ReadFileBytes(profile_.At(name)), Original(name)) << name;
  }
  EXPECT_EQ(profile_.State(), "1");
}

TEST_F(AdProcedures, WithoutAnyAdFileBlocksAllSevenNamesAndFreesThemAgain) {
  RemoveAds(fs_, profile_.account());
  for (const std::string& name : kAdFiles) {
    EXPECT_EQ(KindOf(profile_.At(name)), EntryKind::kDirectory) << name;
    EXPECT_EQ(KindOf(profile_.At(name + ".KVTR")), EntryKind::kMissing) << name;
  }
  EXPECT_EQ(profile_.State(), "2");
  RestoreAds(fs_, profile_.account());
  EXPECT_EQ(ListNames(profile_.dir()), std::vector<std::string>{"KVTR NoAD.ini"});
  EXPECT_EQ(profile_.State(), "1");
}

TEST_F(AdProcedures, RestoreRemovesABlockerWithContent) {
  profile_.SeedAll();
  RemoveAds(fs_, profile_.account());
  ASSERT_TRUE(testing::MakeFolder(profile_.At("chatAD.xml\\sub")));
  ASSERT_TRUE(testing::WriteFileBytes(profile_.At("chatAD.xml\\sub\\f"), "f"));
  ASSERT_TRUE(testing::WriteFileBytes(profile_.At("chatAD.xml\\g"), "g"));
  RestoreAds(fs_, profile_.account());
  EXPECT_EQ(ReadFileBytes(profile_.At("chatAD.xml")), Original("chatAD.xml"));
}

TEST_F(AdProcedures, CallsTheOperationsInTableOrderOneKindAtATime) {
  testing::RecordingFileSystem recorder(fs_);
  const std::string d = profile_.dir() + "\\";
  const std::vector<std::string> marker = {d + "KVTR NoAD.ini", "KVTR NoAD", "NoAD"};
  auto with_value = [&](const char* value) {
    std::vector<std::string> arguments = marker;
    arguments.push_back(value);
    return testing::Call{"WriteIniValue", arguments};
  };

  std::vector<testing::Call> removal;
  for (const std::string& n : kAdFiles) removal.push_back({"RenameFile", {d + n, d + n + ".KVTR"}});
  for (const std::string& n : kAdFiles) removal.push_back({"MakeDirectory", {d + n}});
  removal.push_back(with_value("2"));
  RemoveAds(recorder, profile_.account());
  EXPECT_EQ(recorder.calls(), removal);

  std::vector<testing::Call> restoration = removal;
  restoration.clear();
  for (const std::string& n : kAdFiles)
    restoration.push_back({"RemoveDirectoryTree", {d + n + "\\"}});
  for (const std::string& n : kAdFiles)
    restoration.push_back({"RenameFile", {d + n + ".KVTR", d + n}});
  restoration.push_back(with_value("1"));
  testing::RecordingFileSystem second(fs_);
  RestoreAds(second, profile_.account());
  EXPECT_EQ(second.calls(), restoration);
}

// One entry's state before a procedure, and what must stand afterwards.
enum class Entry { kNone, kOriginalFile, kOtherFile, kEmptyDir, kDirWithContent };

void Lay(const std::string& path, Entry entry) {
  switch (entry) {
    case Entry::kNone: break;
    case Entry::kOriginalFile: ASSERT_TRUE(testing::WriteFileBytes(path, "original")); break;
    case Entry::kOtherFile: ASSERT_TRUE(testing::WriteFileBytes(path, "other")); break;
    case Entry::kEmptyDir: ASSERT_TRUE(testing::MakeFolder(path)); break;
    case Entry::kDirWithContent:
      ASSERT_TRUE(testing::MakeFolder(path));
      ASSERT_TRUE(testing::WriteFileBytes(path + "\\inside", "inside"));
      break;
  }
}

Entry Observe(const std::string& path) {
  switch (KindOf(path)) {
    case EntryKind::kMissing: return Entry::kNone;
    case EntryKind::kFile:
      return ReadFileBytes(path) == "original" ? Entry::kOriginalFile : Entry::kOtherFile;
    case EntryKind::kDirectory: break;
  }
  return ListNames(path).empty() ? Entry::kEmptyDir : Entry::kDirWithContent;
}

struct EntryCase {
  const char* what;
  bool restore;
  Entry name_before, backup_before, name_after, backup_after;
};

class EntryOutcome : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryOutcome, FollowsFromTheOperationRules) {
  const EntryCase& c = GetParam();
  Profile profile;
  Lay(profile.At("chatAD.xml"), c.name_before);
  Lay(profile.At("chatAD.xml.KVTR"), c.backup_before);
  if (c.restore) {
    RestoreAds(SystemFileSystem(), profile.account());
  } else {
    RemoveAds(SystemFileSystem(), profile.account());
  }
  EXPECT_EQ(Observe(profile.At("chatAD.xml")), c.name_after);
  EXPECT_EQ(Observe(profile.At("chatAD.xml.KVTR")), c.backup_after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EntryOutcome,
    ::testing::Values(EntryCase{"remove_file", false, Entry::kOriginalFile, Entry::kNone,
                                Entry::kEmptyDir, Entry::kOriginalFile},
                      EntryCase{"remove_missing_file", false, Entry::kNone, Entry::kNone,
                                Entry::kEmptyDir, Entry::kNone},
                      EntryCase{"remove_with_backup_present", false, Entry::kOriginalFile,
                                Entry::kOtherFile, Entry::kOriginalFile, Entry::kOtherFile},
                      EntryCase{"remove_directory_under_name", false, Entry::kDirWithContent,
                                Entry::kNone, Entry::kEmptyDir, Entry::kDirWithContent},
                      EntryCase{"restore_blocked", true, Entry::kEmptyDir, Entry::kOriginalFile,
                                Entry::kOriginalFile, Entry::kNone},
                      EntryCase{"restore_blocked_without_backup", true, Entry::kDirWithContent,
                                Entry::kNone, Entry::kNone, Entry::kNone},
                      EntryCase{"restore_file_under_name", true, Entry::kOtherFile,
                                Entry::kOriginalFile, Entry::kOtherFile, Entry::kOriginalFile}),
    [](const ::testing::TestParamInfo<EntryCase>& param) { return std::string(param.param.what); });

// The user's next press of the execute button, with one action chosen.
void UserRemoves(FileSystem& fs, const Account& account) {
  testing::FakeWindow window(true, false, std::string(account.install_dir),
                             std::string(account.member_name));
  ExecuteCommand(window, fs);
}

void UserRestores(FileSystem& fs, const Account& account) {
  testing::FakeWindow window(false, true, std::string(account.install_dir),
                             std::string(account.member_name));
  ExecuteCommand(window, fs);
}

TEST(CutOff, AtAnyStepNoAdvertisementFileIsLost) {
  FileSystem& fs = SystemFileSystem();
  int cases = 0, lost = 0;
  for (bool restoring : {false, true}) {
    for (int k = 0; k <= 15; ++k) {
      for (bool same_again : {true, false}) {
        Profile profile;
        profile.SeedAll();
        UserRemoves(fs, profile.account());
        if (!restoring) {
          // Back to a clean account, marker "1", files under their names.
          UserRestores(fs, profile.account());
        }
        testing::CutOffFileSystem cut(fs, k);
        restoring ? RestoreAds(cut, profile.account()) : RemoveAds(cut, profile.account());
        if (restoring == same_again) {
          UserRestores(fs, profile.account());
        } else {
          UserRemoves(fs, profile.account());
        }
        ++cases;
        if (!profile.NothingLost()) {
          ++lost;
          ADD_FAILURE() << (restoring ? "restoration" : "removal") << " cut off after " << k
                        << " steps, then " << (same_again ? "the same" : "the opposite")
                        << " action: a file is lost";
        }
      }
    }
  }
  std::cout << "cut-off cases: " << cases << ", losing a file: " << lost << "\n";
  EXPECT_EQ(cases, 64);
}

}  // namespace
}  // namespace vantorel
