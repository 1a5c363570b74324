#include "patch/execute_command.h"

#include "patch/ad_procedures.h"
#include "patch/messages.h"
#include "patch/profile_layout.h"
#include "patch/text.h"

namespace vantorel {
namespace {

void Show(ExecuteView& view, MessageId id) {
  const Message& message = MessageFor(id);
  view.ShowMessage(message.text, message.style, kMessageTitle);
}

bool IsEmpty(std::string_view text) { return TextCompare(text, "") == 0; }

// A member name that cannot be a folder name has no profile folder; it is
// never used to compose a path that reaches the disk.
bool ProfileFound(FileSystem& fs, const Account& account) {
  return IsUsableMemberName(account.member_name) && ProfileExists(fs, account);
}

void RemoveBranch(ExecuteView& view, FileSystem& fs, const Account& account) {
  if (!ProfileFound(fs, account)) return Show(view, MessageId::kNoProfileForRemoval);
  if (!MarkerExists(fs, account)) WritePatchState(fs, account, kStateClean);
  if (TextCompare(ReadPatchState(fs, account), kStateClean) != 0) {
    return Show(view, MessageId::kAlreadyRemoved);
  }
  RemoveAds(fs, account);
  Show(view, IsRemovalComplete(fs, account) ? MessageId::kRemoved : MessageId::kRemovalIncomplete);
}

void RestoreBranch(ExecuteView& view, FileSystem& fs, const Account& account) {
  if (!ProfileFound(fs, account)) return Show(view, MessageId::kNoProfileForRestoring);
  if (TextCompare(ReadPatchState(fs, account), kStatePatched) != 0) {
    return Show(view, MessageId::kAlreadyRestored);
  }
  RestoreAds(fs, account);
  Show(view, IsRestorationComplete(fs, account) ? MessageId::kRestored
                                                : MessageId::kRestorationIncomplete);
}

}  // namespace

void ExecuteCommand(ExecuteView& view, FileSystem& fs) {
  if (!view.IsRestoreChecked() && !view.IsRemoveChecked()) {
    return Show(view, MessageId::kNothingChosen);
  }
  const std::string install_dir = view.InstallDirText();
  if (IsEmpty(install_dir)) return Show(view, MessageId::kNoInstallDir);
  const std::string member_name = view.MemberNameText();
  if (IsEmpty(member_name)) return Show(view, MessageId::kNoMemberName);

  const Account account{install_dir, member_name};
  // Both branches are tested, removal first; the restore button is read
  // again once the removal's message has been closed.
  if (view.IsRemoveChecked()) RemoveBranch(view, fs, account);
  if (view.IsRestoreChecked()) RestoreBranch(view, fs, account);
}

}  // namespace vantorel
