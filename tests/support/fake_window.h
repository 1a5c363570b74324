// Stands in for the main window where a test runs the execute command
// without one: the two radio buttons and the two edit boxes, and a record
// of the message boxes shown.
#pragma once

#include <string>
#include <vector>

#include "patch/execute_command.h"

namespace vantorel::testing {

struct ShownMessage {
  std::string text, title;
  unsigned style;
};

class FakeWindow final : public ExecuteView {
 public:
  FakeWindow(bool remove, bool restore, std::string install_dir, std::string member_name)
      : remove_(remove),
        restore_(restore),
        install_dir_(std::move(install_dir)),
        member_name_(std::move(member_name)) {}

  bool IsRemoveChecked() override { return remove_; }
  bool IsRestoreChecked() override { return restore_; }
  std::string InstallDirText() override { return install_dir_; }
  std::string MemberNameText() override { return member_name_; }
  void ShowMessage(std::string_view text, unsigned style, std::string_view title) override {
    shown_.push_back({std::string(text), std::string(title), style});
  }
  const std::vector<ShownMessage>& shown() const { return shown_; }

 private:
  bool remove_, restore_;
  std::string install_dir_, member_name_;
  std::vector<ShownMessage> shown_;
};

}  // namespace vantorel::testing
