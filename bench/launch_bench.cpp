// Launch to ready, and memory when ready: the program against the floor
// program, each started N times from here. Ready is the window visible,
// pre-filled from the registry, with the focus in the member-name box (for
// the floor: its window visible with the focus in its edit box).
#include <windows.h>

#include <psapi.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "bench/measure.h"
#include "tests/support/disk.h"
#include "tests/support/windows_ui.h"

namespace vantorel::bench {
namespace {

HWND FocusOf(DWORD thread_id) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread_id, &info) ? info.hwndFocus : nullptr;
}

bool ProgramReady(const PROCESS_INFORMATION& process) {
  HWND window =
      testing::FindTopLevelWindow("VantorelMainWindow", process.dwProcessId, IsWindowVisible);
  if (window == nullptr) return false;
  HWND folder = GetDlgItem(window, 103), member = GetDlgItem(window, 116);
  DWORD_PTR length = 0;
  SendMessageTimeoutA(folder, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 100, &length);
  return length > 0 && FocusOf(process.dwThreadId) == member;
}

bool FloorReady(const PROCESS_INFORMATION& process) {
  HWND window = testing::FindTopLevelWindow("FloorWindow", process.dwProcessId, IsWindowVisible);
  HWND focus = FocusOf(process.dwThreadId);
  return window != nullptr && focus != nullptr && GetParent(focus) == window;
}

struct Launch {
  double ms = -1;
  double peak_kib = -1;
};

Launch Measure(const std::string& exe,
               const std::function<bool(const PROCESS_INFORMATION&)>& ready) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + exe + "\"";
  Launch launch;
  double start = Seconds();
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return launch;
  }
  while (Seconds() - start < 20) {
    if (ready(process)) {
      launch.ms = (Seconds() - start) * 1e3;
      break;
    }
    Sleep(1);
  }
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters)) {
    launch.peak_kib = static_cast<double>(counters.PeakWorkingSetSize) / 1024;
  }
  TerminateProcess(process.hProcess, 0);  // not closed: no web page is opened
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return launch;
}

void SetUninstallEntry(const std::string& folder, bool present) {
  const char* key_path =
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\阿里旺旺2010Beta1";
  if (!present) {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_path);
    return;
  }
  HKEY key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                      nullptr, &key, nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(key, "InstallLocation", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
    RegSetValueExA(key, "DisplayName", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>("阿里旺旺2010Beta1"), 18);
    RegCloseKey(key);
  }
}

void Report(const std::string& against, const Samples& program_ms, const Samples& floor_ms,
            const Samples& program_kib, const Samples& floor_kib) {
  double ratio = program_ms.Median() / floor_ms.Median();
  Row("Launch to ready" + against, "Win32 (Wine)", Describe(program_ms, "ms", 1),
      Describe(floor_ms, "ms", 1), Ratio(ratio), "<= x1.15", ratio <= 1.15);
  double extra = (program_kib.Median() - floor_kib.Median()) / 1024;
  char diff[32];
  std::snprintf(diff, sizeof diff, "%+.2f MiB", extra);
  Row("Peak working set when ready" + against, "Win32 (Wine)", Describe(program_kib, "KiB", 0),
      Describe(floor_kib, "KiB", 0), diff, "<= +2 MiB", extra <= 2);
}

}  // namespace
}  // namespace vantorel::bench

int main() {
  using namespace vantorel::bench;
  int runs = 21;
  if (const char* quick = std::getenv("VANTOREL_BENCH_QUICK")) {
    runs = std::atoi(quick) > 0 ? std::atoi(quick) : 3;
  }
  vantorel::testing::TempFolder install;
  SetUninstallEntry(install.path(), true);
  const std::string program = vantorel::testing::WinePathOf(VANTOREL_EXE);
  const std::string floors[] = {vantorel::testing::WinePathOf(VANTOREL_FLOOR_EXE),
                                vantorel::testing::WinePathOf(VANTOREL_FLOOR_DLLS_EXE)};
  Samples program_ms, program_kib, floor_ms[2], floor_kib[2];
  // One unmeasured start of each warms the caches; then they take turns.
  Measure(program, ProgramReady);
  for (const std::string& floor : floors) Measure(floor, FloorReady);
  for (int i = 0; i < runs; ++i) {
    Launch a = Measure(program, ProgramReady);
    if (a.ms >= 0) program_ms.Add(a.ms), program_kib.Add(a.peak_kib);
    for (int f = 0; f < 2; ++f) {
      Launch b = Measure(floors[f], FloorReady);
      if (b.ms >= 0) floor_ms[f].Add(b.ms), floor_kib[f].Add(b.peak_kib);
    }
  }
  SetUninstallEntry("", false);
  Report("", program_ms, floor_ms[0], program_kib, floor_kib[0]);
  Report(" (floor with the program's system DLLs)", program_ms, floor_ms[1], program_kib,
         floor_kib[1]);
  return 0;
}
