#include "patch/profile_layout.h"

#include "patch/text.h"

namespace vantorel {

std::string ProfilePath(const Account& account, std::string_view suffix) {
  return ConcatTexts({account.install_dir, kProfilesPart, account.member_name, suffix});
}

std::string ProfileDir(const Account& account) { return ProfilePath(account, {}); }

std::string MarkerFile(const Account& account) {
  return ProfilePath(account, ConcatTexts({"\\", kMarkerFileName}));
}

std::string AdFile(const Account& account, std::string_view file_name) {
  return ProfilePath(account, ConcatTexts({"\\", file_name}));
}

std::string BackupName(const Account& account, std::string_view file_name) {
  return ProfilePath(account, ConcatTexts({"\\", file_name, kBackupSuffix}));
}

std::string BlockerDir(const Account& account, std::string_view file_name) {
  return AdFile(account, file_name);
}

std::string BlockerDirForDeletion(const Account& account, std::string_view file_name) {
  return ProfilePath(account, ConcatTexts({"\\", file_name, "\\"}));
}

bool IsUsableMemberName(std::string_view member_name) {
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  for (size_t i = 0; i < member_name.size(); ++i) {
    auto byte = static_cast<unsigned char>(member_name[i]);
    if (byte >= 0x81 && byte <= 0xFE) {
      if (++i == member_name.size()) return false;
      auto trail = static_cast<unsigned char>(member_name[i]);
      if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    } else if (byte >= 0x80 || byte < 0x20 ||
               kForbidden.find(static_cast<char>(byte)) != kForbidden.npos) {
      return false;
    }
  }
  return true;
}

bool ProfileExists(FileSystem& fs, const Account& account) {
  return fs.FileExists(ProfileDir(account));
}

bool MarkerExists(FileSystem& fs, const Account& account) {
  return fs.FileExists(MarkerFile(account));
}

std::string ReadPatchState(FileSystem& fs, const Account& account) {
  return fs.ReadIniValue(MarkerFile(account), kMarkerSection, kMarkerKey);
}

void WritePatchState(FileSystem& fs, const Account& account, std::string_view value) {
  fs.WriteIniValue(MarkerFile(account), kMarkerSection, kMarkerKey, value);
}

}  // namespace vantorel
