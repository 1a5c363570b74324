#include "patch/ad_procedures.h"

namespace vantorel {

void RemoveAds(FileSystem& fs, const Account& account) {
  for (std::string_view name : AdFileTable) {
    fs.RenameFile(AdFile(account, name), BackupName(account, name));
  }
  for (std::string_view name : AdFileTable) fs.MakeDirectory(BlockerDir(account, name));
  WritePatchState(fs, account, kStatePatched);
}

void RestoreAds(FileSystem& fs, const Account& account) {
  for (std::string_view name : AdFileTable) {
    fs.RemoveDirectoryTree(BlockerDirForDeletion(account, name));
  }
  for (std::string_view name : AdFileTable) {
    fs.RenameFile(BackupName(account, name), AdFile(account, name));
  }
  WritePatchState(fs, account, kStateClean);
}

bool IsRemovalComplete(FileSystem& fs, const Account& account) {
  for (std::string_view name : AdFileTable) {
    if (!fs.DirectoryExists(BlockerDir(account, name))) return false;
  }
  return true;
}

bool IsRestorationComplete(FileSystem& fs, const Account& account) {
  for (std::string_view name : AdFileTable) {
    if (fs.DirectoryExists(BlockerDir(account, name)) || fs.FileExists(BackupName(account, name))) {
      return false;
    }
  }
  return true;
}

}  // namespace vantorel
