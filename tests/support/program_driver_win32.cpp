#include "tests/support/program_driver.h"

#include "tests/support/sample_profile.h"
#include "tests/support/windows_ui.h"

namespace vantorel::testing {
namespace {

constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\阿里旺旺2010Beta1";
constexpr char kTitle[] = "温馨提示：";

void EndProcess(PROCESS_INFORMATION& process) {
  if (process.hProcess == nullptr) return;
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  process = {};
}

bool Start(const std::string& exe, PROCESS_INFORMATION& process) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command = "\"" + exe + "\"";
  return CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process) != 0;
}

void SendKey(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void SendButton(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

ProgramDriver::ProgramDriver() {
  // An installation with the account demo and its seven advertisement files.
  MakeFolder(install_.path() + "\\profiles");
  MakeFolder(profile_dir());
  for (const std::string& name : kAdFiles)
    WriteFileBytes(profile_dir() + "\\" + name, Original(name));

  // The prefix's browser is a recorder that logs each URL it is handed.
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
    const std::string recorder = VANTOREL_URL_RECORDER;
    RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(recorder.c_str()),
                   static_cast<DWORD>(recorder.size() + 1));
    RegCloseKey(key);
  }
  url_log_ = WinePathOf(VANTOREL_URL_LOG);
  DeleteFileA(url_log_.c_str());
  SetUninstallEntry({true, REG_SZ, install_.path(), "阿里旺旺2010Beta1"});
}

ProgramDriver::~ProgramDriver() {
  EndProcess(process_);
  EndProcess(client_);
  SetUninstallEntry({false, REG_SZ, "", ""});
}

void ProgramDriver::SetUninstallEntry(const UninstallEntry& entry) {
  HKEY uninstall;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                    0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &uninstall) != ERROR_SUCCESS) {
    return;
  }
  RegDeleteKeyA(uninstall, "阿里旺旺2010Beta1");
  RegCloseKey(uninstall);
  if (!entry.present) return;
  HKEY key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0,
                      KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(key, "InstallLocation", 0, entry.install_location_type,
                 reinterpret_cast<const BYTE*>(entry.install_location.c_str()),
                 static_cast<DWORD>(entry.install_location.size() + 1));
  RegSetValueExA(key, "DisplayName", 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(entry.display_name.c_str()),
                 static_cast<DWORD>(entry.display_name.size() + 1));
  RegCloseKey(key);
}

bool ProgramDriver::StartFakeClient(const std::string& image_name) {
  const std::string client = scratch_.path() + "\\" + image_name;
  return CopyFileA((ProgramFolder() + "\\idle.exe").c_str(), client.c_str(), FALSE) &&
         Start(client, client_);
}

bool ProgramDriver::Launch() { return Start(WinePathOf(VANTOREL_EXE), process_); }

HWND ProgramDriver::FindMainWindow() const {
  return FindTopLevelWindow("VantorelMainWindow", process_.dwProcessId);
}

HWND ProgramDriver::WaitForReadyWindow() {
  HWND window = WaitForWindow([&]() -> HWND {
    HWND found = FindMainWindow();
    return found && IsWindowVisible(found) && Focus() == Control(16) ? found : nullptr;
  });
  if (window) WaitForInputIdle(process_.hProcess, 5000);
  return window;
}

HWND ProgramDriver::Control(int index) const { return GetDlgItem(FindMainWindow(), 100 + index); }

HWND ProgramDriver::WaitForMessageBox(DWORD timeout_ms) const {
  return WaitForWindow([&] { return FindDialog(kTitle, process_.dwProcessId); }, timeout_ms);
}

DWORD ProgramDriver::WaitForExit(DWORD timeout_ms) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, timeout_ms) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_.hProcess, &code);
  }
  return code;
}

HWND ProgramDriver::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void ProgramDriver::Key(WORD key, bool shift, bool alt) {
  SetForegroundWindow(FindMainWindow());
  if (shift) SendKey(VK_SHIFT, false);
  if (alt) SendKey(VK_MENU, false);
  SendKey(key, false);
  SendKey(key, true);
  if (alt) SendKey(VK_MENU, true);
  if (shift) SendKey(VK_SHIFT, true);
  Sleep(100);
}

void ProgramDriver::MouseDownAt(HWND window) {
  SetForegroundWindow(FindMainWindow());
  RECT rect;
  GetWindowRect(window, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  Sleep(50);
  SendButton(MOUSEEVENTF_LEFTDOWN);
  Sleep(100);
}

void ProgramDriver::MouseUp() {
  SendButton(MOUSEEVENTF_LEFTUP);
  Sleep(100);
}

void ProgramDriver::ClickAt(HWND window, bool twice) {
  MouseDownAt(window);
  MouseUp();
  if (twice) {
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
    Sleep(100);
  }
}

std::vector<std::string> ProgramDriver::OpenedUrls(size_t expected) const {
  // The browser is started without waiting for it.
  WaitUntil([&] { return ReadLines(url_log_).size() >= expected; }, 5000);
  Sleep(300);
  return ReadLines(url_log_);
}

std::string ProgramText(HWND window) {
  auto length = static_cast<size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  std::string text(length + 1, '\0');
  text.resize(static_cast<size_t>(
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

RECT RectInClient(HWND window, HWND parent) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace vantorel::testing
