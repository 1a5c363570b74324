// The execute button: checks the choice and the two texts, checks the
// account's profile folder and the recorded state, runs the removal or the
// restoration, and reports every outcome in one message.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vantorel {

// What the command sees of the main window.
class ExecuteView {
 public:
  virtual ~ExecuteView() = default;
  virtual bool IsRemoveChecked() = 0;
  virtual bool IsRestoreChecked() = 0;
  virtual std::string InstallDirText() = 0;
  virtual std::string MemberNameText() = 0;
  // A task-modal message box; returns when it has been closed.
  virtual void ShowMessage(std::string_view text, unsigned style, std::string_view title) = 0;
};

void ExecuteCommand(ExecuteView& view, FileSystem& fs);

}  // namespace vantorel
