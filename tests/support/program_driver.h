// Starts the real program and works it from outside, as a user would: the
// installation folder, the client's uninstall entry and the browser of the
// Wine prefix are laid out first; the program is then read through its
// windows and driven with window messages and real input.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/disk.h"

namespace vantorel::testing {

// The uninstall entry's values as the program will find them.
struct UninstallEntry {
  bool present = true;
  DWORD install_location_type = REG_SZ;
  std::string install_location;  // stored as given (REG_EXPAND_SZ unexpanded)
  std::string display_name;
};

class ProgramDriver {
 public:
  ProgramDriver();
  ~ProgramDriver();
  ProgramDriver(const ProgramDriver&) = delete;
  ProgramDriver& operator=(const ProgramDriver&) = delete;

  // Writes (or removes) the client's uninstall entry under HKLM, 32-bit view.
  void SetUninstallEntry(const UninstallEntry& entry);
  // Starts a process that only waits, under the given image name.
  bool StartFakeClient(const std::string& image_name);
  bool Launch();
  DWORD process_id() const { return process_.dwProcessId; }
  DWORD thread_id() const { return process_.dwThreadId; }

  // The program's main window (hidden or not), or none.
  HWND FindMainWindow() const;
  // Waits for the main window to be visible and ready.
  HWND WaitForReadyWindow();
  HWND Control(int index) const;  // by its place in the creation order, 1 to 18

  // The program's message box, once it shows.
  HWND WaitForMessageBox(DWORD timeout_ms = 10000) const;

  // Ends, and answers the exit code; STILL_ACTIVE when it did not end.
  DWORD WaitForExit(DWORD timeout_ms = 15000);
  HWND Focus() const;

  // Real input, to the foreground window.
  void Key(WORD key, bool shift = false, bool alt = false);
  void ClickAt(HWND window, bool twice = false);
  void MouseDownAt(HWND window);
  void MouseUp();

  // The URLs the program opened, in order: once at least `expected` have
  // arrived (or after a few seconds), and a moment more for any extra one.
  std::vector<std::string> OpenedUrls(size_t expected) const;

  const std::string& install_dir() const { return install_.path(); }
  std::string profile_dir() const { return install_.path() + "\\profiles\\wangwangdemo"; }

 private:
  TempFolder install_;
  TempFolder scratch_;
  PROCESS_INFORMATION process_ = {};
  PROCESS_INFORMATION client_ = {};
  std::string url_log_;
};

std::string ProgramText(HWND window);  // WM_GETTEXT, across processes
RECT RectInClient(HWND window, HWND parent);

}  // namespace vantorel::testing
