// The system operations on the real Win32 (under Wine in the build).
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "platform/system.h"
#include "tests/support/disk.h"
#include "tests/support/windows_ui.h"

namespace vantorel {
namespace {

TEST(SystemSetting, AnsiCodePageIs936) { EXPECT_EQ(GetACP(), 936u); }

// A key of the test's own under HKEY_LOCAL_MACHINE\SOFTWARE, in the 32-bit
// view that the program reads.
class RegistryFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    key_path_ = "SOFTWARE\\VantorelTest" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_path_.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegDeleteKeyA(key_, sub_.c_str());
    RegCloseKey(key_);
    HKEY software;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                      &software) == ERROR_SUCCESS) {
      RegDeleteKeyA(software, key_path_.substr(9).c_str());
      RegCloseKey(software);
    }
  }
  void Set(HKEY key, const std::string& name, DWORD type, std::string_view data) {
    ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }

  std::string key_path_;
  std::string sub_ = "sub";
  HKEY key_ = nullptr;
};

TEST_F(RegistryFixture, ReadsStringsAndAnswersEmptyForEverythingElse) {
  using namespace std::string_literals;
  Set(key_, "sz", REG_SZ, "C:\\Program Files\\AliWangWang\0"s);
  Set(key_, "unterminated", REG_SZ, "abc");
  Set(key_, "inner_nul", REG_SZ, "ab\0cd\0"s);
  Set(key_, "expand", REG_EXPAND_SZ, "%SystemRoot%\\x\0"s);
  Set(key_, "dword", REG_DWORD, "\x01\x00\x00\x00"s);
  Set(key_, "binary", REG_BINARY, "C:\\x"s);
  Set(key_, "empty", REG_SZ, "");
  Set(key_, "nul_only", REG_SZ, "\0"s);
  HKEY sub;
  ASSERT_EQ(RegCreateKeyExA(key_, sub_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                            nullptr, &sub, nullptr),
            ERROR_SUCCESS);
  // A value name with a double-byte character whose second byte is "\".
  Set(sub, "\x95\x5cname", REG_SZ, "right\0"s);
  RegCloseKey(sub);

  std::string system_root(MAX_PATH, '\0');
  system_root.resize(GetEnvironmentVariableA("SystemRoot", system_root.data(), MAX_PATH));
  ASSERT_FALSE(system_root.empty());

  struct Case {
    std::string value, want;
  } cases[] = {
      {"sz", "C:\\Program Files\\AliWangWang"},
      {"unterminated", "abc"},
      {"inner_nul", "ab"},
      {"expand", system_root + "\\x"},
      {"dword", ""},
      {"binary", ""},
      {"empty", ""},
      {"nul_only", ""},
      {"missing", ""},
      {"sub\\\x95\x5cname", "right"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, key_path_ + "\\" + c.value), c.want) << c.value;
  }
  EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, key_path_ + "Missing\\sz"), "");
  EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, "no separator"), "");
}

TEST(ListProcessNames, ListsThisProcessAndAStartedClient) {
  std::vector<std::string> names = ListProcessNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "system_tests.exe"), names.end());
  EXPECT_EQ(std::find(names.begin(), names.end(), "AliIM.exe"), names.end());

  testing::TempFolder folder;
  const std::string client = folder.path() + "\\AliIM.exe";
  ASSERT_TRUE(CopyFileA((testing::ProgramFolder() + "\\idle.exe").c_str(), client.c_str(), TRUE));
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + client + "\"";
  ASSERT_TRUE(CreateProcessA(client.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process));
  names = ListProcessNames();
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  EXPECT_NE(std::find(names.begin(), names.end(), "AliIM.exe"), names.end());
}

// Shows a box on this thread while a second thread reads it as the user
// sees it and closes it by `close`.
struct SeenBox {
  bool found = false;
  std::string text, title;
  bool icon = false, owner_disabled = false;
};

SeenBox ShowAndClose(std::string_view text, unsigned style, std::string_view title,
                     const std::function<void(HWND)>& close, int& answer) {
  HWND owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, nullptr, nullptr);
  SeenBox seen;
  std::string wanted_title(title);
  std::thread watcher([&] {
    HWND box = testing::WaitForWindow(
        [&] { return testing::FindDialog(wanted_title, GetCurrentProcessId()); });
    if (box == nullptr) return;
    SendMessageA(box, WM_NULL, 0, 0);  // the box has finished setting itself up
    seen.found = true;
    seen.title = testing::WindowText(box);
    seen.text = testing::MessageBoxText(box);
    seen.icon = testing::MessageBoxHasIcon(box);
    seen.owner_disabled = !IsWindowEnabled(owner);
    close(box);
  });
  answer = ShowMessage(text, style, title);
  watcher.join();
  DestroyWindow(owner);
  return seen;
}

TEST(ShowMessage, IsTaskModalAndAnswersZeroHoweverItCloses) {
  const std::string title = "\xce\xc2\xdc\xb0\xcc\xe1\xca\xbe\xa3\xba";  // 温馨提示：
  const std::string text = "\xb2\xb9\xb6\xa1\xd2\xd1\xd6\xb4\xd0\xd0\xb3\xc9\xb9\xa6!";
  struct Case {
    const char* how;
    unsigned style;
    std::function<void(HWND)> close;
  } cases[] = {
      {"OK button", 64, [](HWND box) { SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0); }},
      {"Esc", 0, [](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); }},
      {"close box", 64, [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Case& c : cases) {
    int answer = -1;
    SeenBox seen = ShowAndClose(text, c.style, title, c.close, answer);
    ASSERT_TRUE(seen.found) << c.how;
    EXPECT_EQ(answer, 0) << c.how;
    EXPECT_EQ(seen.title, title);
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.icon, c.style == 64) << c.how;
    EXPECT_TRUE(seen.owner_disabled) << c.how;
  }
}

LRESULT CALLBACK DestroyOnRequest(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == kDestroyRequestMessage) {
    DestroyWindow(window);
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

TEST(DestroyMainWindow, ReturnsAtOnceAndTheLoopCarriesItOut) {
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = DestroyOnRequest;
  window_class.lpszClassName = "VantorelDestroyTest";
  RegisterClassA(&window_class);
  HWND window = CreateWindowA("VantorelDestroyTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  DestroyMainWindow(window);
  DestroyMainWindow(window);  // a second request changes nothing
  EXPECT_TRUE(IsWindow(window));
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  EXPECT_FALSE(IsWindow(window));
}

TEST(OpenWebPage, ReachesTheRegisteredBrowser) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::string recorder = VANTOREL_URL_RECORDER;
  RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(recorder.c_str()),
                 static_cast<DWORD>(recorder.size() + 1));
  RegCloseKey(key);
  const std::string log = testing::WinePathOf(VANTOREL_URL_LOG);
  DeleteFileA(log.c_str());

  const std::string url = "http://wangwang.example.com/page?a=1&b=2";
  OpenWebPage(url);
  std::vector<std::string> lines;
  testing::WaitUntil([&] {
    lines = testing::ReadLines(log);
    return !lines.empty();
  });
  EXPECT_EQ(lines, std::vector<std::string>{url});
}

TEST(BrowseForFolder, CancelAnswersTheEmptyText) {
  const std::string title = "Pick";
  std::thread watcher([&] {
    HWND dialog = testing::WaitForWindow([] {
      return testing::FindTopLevelWindow("#32770", GetCurrentProcessId(), IsWindowVisible);
    });
    if (dialog) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(BrowseForFolder(title), "");
  watcher.join();
}

}  // namespace
}  // namespace vantorel
