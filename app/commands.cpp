#include "app/commands.h"

#include "app/main_window.h"
#include "app/program_texts.h"
#include "patch/execute_command.h"
#include "patch/messages.h"
#include "patch/text.h"
#include "platform/file_system.h"
#include "platform/system.h"

namespace vantorel {

bool IsClientRunning() {
  // Every name is compared, so the answer does not depend on the order.
  bool running = false;
  for (const std::string& name : ListProcessNames()) {
    for (std::string_view client : ClientProcessName) {
      if (TextCompare(name, client) == 0) running = true;
    }
  }
  return running;
}

void InitMainWindow(MainWindow& window) {
  if (IsClientRunning()) {
    if (ShowMessage(kClientRunningWarning, kStylePlain, kMessageTitle) == 0) {
      DestroyMainWindow(window.handle());
    }
    return;
  }
  window.Show();
  ApplyXpLook(1);
  window.SetText(Control::目录编辑框, ReadRegistryText(HKEY_LOCAL_MACHINE, kInstallLocationPath));
  window.SetText(Control::版本标签, ReadRegistryText(HKEY_LOCAL_MACHINE, kDisplayNamePath));
  FocusControl(window.ControlWindow(Control::会员号编辑框));
}

namespace {

// What the execute command reads of the window and how it shows messages.
class WindowView final : public ExecuteView {
 public:
  explicit WindowView(MainWindow& window) : window_(window) {}
  bool IsRemoveChecked() override { return window_.IsChecked(Control::去除单选框); }
  bool IsRestoreChecked() override { return window_.IsChecked(Control::恢复单选框); }
  std::string InstallDirText() override { return window_.Text(Control::目录编辑框); }
  std::string MemberNameText() override { return window_.Text(Control::会员号编辑框); }
  void ShowMessage(std::string_view text, unsigned style, std::string_view title) override {
    vantorel::ShowMessage(text, style, title);
  }

 private:
  MainWindow& window_;
};

}  // namespace

void ExecuteButtonCommand(MainWindow& window) {
  WindowView view(window);
  ExecuteCommand(view, SystemFileSystem());
}

void ExitCommand(MainWindow& window) { DestroyMainWindow(window.handle()); }

// A cancelled browser, or an item with no file-system path, leaves the
// folder the user had.
void BrowseCommand(MainWindow& window) {
  std::string folder = BrowseForFolder(kBrowseTitle);
  if (!folder.empty()) window.SetText(Control::目录编辑框, folder);
}

void OfficialSiteCommand(MainWindow&) { OpenWebPage(OfficialSiteUrl); }
void FeedbackCommand(MainWindow&) { OpenWebPage(AuthorPageUrl); }
void BannerCommand(MainWindow&) { OpenWebPage(AuthorPageUrl); }
void MainWindowClosing(MainWindow&) { OpenWebPage(AuthorPageUrl); }

}  // namespace vantorel
