// The real program under Wine, worked from outside as a user would.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "tests/support/program_driver.h"
#include "tests/support/sample_profile.h"
#include "tests/support/windows_ui.h"

namespace vantorel {
namespace {

using testing::ProgramDriver;
using testing::ProgramText;

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
std::string Utf8(const std::string& cp936) { return testing::Cp936ToUtf8(cp936); }

const std::string kOfficialSite = "http://wangwang.taobao.com/";
const std::string kAuthorPage = "http://vantorel.example.com/";

// Control indexes in the order of creation.
enum {
  k分组框1 = 1,
  k安装目录标签,
  k目录编辑框,
  k浏览按钮,
  k去除单选框,
  k恢复单选框,
  k注意标签,
  k当前版本号标签,
  k版本标签,
  k问题反馈标签,
  k官网标签,
  k退出按钮,
  k执行按钮,
  k图形按钮1,
  k标签1,
  k会员号编辑框,
  k标签2,
  k标签3,
};

class Program : public ::testing::Test {
 protected:
  HWND Start() {
    EXPECT_TRUE(driver_.Launch());
    HWND window = driver_.WaitForReadyWindow();
    EXPECT_NE(window, nullptr) << "the window did not become ready";
    return window;
  }
  // The folder browser: the program's one dialog that is not a message box.
  HWND WaitForFolderBrowser() {
    return testing::WaitForWindow([&] {
      return testing::FindTopLevelWindow("#32770", driver_.process_id(), IsWindowVisible);
    });
  }
  bool Checked(int index) {
    return SendMessageA(driver_.Control(index), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  ProgramDriver driver_;
};

TEST_F(Program, WindowAndControlsAsLaidOut) {
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ProgramText(window), "Vantorel V1.0");
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 455);
  EXPECT_EQ(outer.bottom - outer.top, 286);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 455) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 286) / 2);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  struct Row {
    int index;
    const char* window_class;
    int left, top, width, height;
    std::string text;
  } rows[] = {
      {k分组框1, "VantorelGroupBox", 3, 72, 443, 152, U8(u8"操作选项")},
      {k安装目录标签, "VantorelLabel", 16, 113, 88, 23, U8(u8"旺旺安装目录：")},
      {k目录编辑框, "Edit", 100, 112, 244, 23, ""},
      {k浏览按钮, "Button", 354, 111, 64, 24, U8(u8"浏览...")},
      {k去除单选框, "Button", 105, 142, 119, 23, U8(u8"去除旺旺广告")},
      {k恢复单选框, "Button", 254, 142, 106, 23, U8(u8"还原旺旺广告")},
      {k注意标签, "VantorelLabel", 16, 87, 417, 22,
       U8(u8"注意：如果自动识别的目录不正确，请手动按浏览指定旺旺的安装目录。")},
      {k当前版本号标签, "VantorelLabel", 16, 199, 72, 23, U8(u8"旺旺版本号：")},
      {k版本标签, "VantorelLabel", 101, 198, 158, 23, ""},
      {k问题反馈标签, "VantorelLabel", 330, 197, 50, 24, U8(u8"问题反馈")},
      {k官网标签, "VantorelLabel", 389, 197, 52, 24, U8(u8"旺旺官网")},
      {k退出按钮, "Button", 2, 227, 70, 24, U8(u8"退出")},
      {k执行按钮, "Button", 377, 227, 70, 24, U8(u8"执行")},
      {k图形按钮1, "VantorelPicture", 0, -1, 449, 65, ""},
      {k标签1, "VantorelLabel", 156, 231, 168, 16, "By:Morvane  2010-06-10"},
      {k会员号编辑框, "Edit", 100, 170, 244, 23, ""},
      {k标签2, "VantorelLabel", 16, 170, 80, 23, U8(u8"旺旺会员名：")},
      {k标签3, "VantorelLabel", 353, 169, 88, 24, U8(u8"无须区分大小写")},
  };
  for (const Row& row : rows) {
    HWND control = driver_.Control(row.index);
    ASSERT_NE(control, nullptr) << row.index;
    EXPECT_STRCASEEQ(testing::ClassName(control).c_str(), row.window_class) << row.index;
    RECT rect = testing::RectInClient(control, window);
    EXPECT_EQ(rect.left, row.left) << row.index;
    EXPECT_EQ(rect.top, row.top) << row.index;
    EXPECT_EQ(rect.right - rect.left, row.width) << row.index;
    EXPECT_EQ(rect.bottom - rect.top, row.height) << row.index;
    EXPECT_TRUE(IsWindowVisible(control) && IsWindowEnabled(control)) << row.index;
    if (row.index == k目录编辑框 || row.index == k版本标签) continue;  // pre-filled
    EXPECT_EQ(Utf8(ProgramText(control)), row.text) << row.index;
  }
  EXPECT_FALSE(Checked(k去除单选框));
  EXPECT_FALSE(Checked(k恢复单选框));
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 449);
}

struct PrefillCase {
  const char* what;
  bool present;
  DWORD type;
  const char* location;  // "@" stands for the installation folder, "%" for it through a variable
  bool filled;
};

class Prefill : public Program, public ::testing::WithParamInterface<PrefillCase> {};

TEST_P(Prefill, FromTheUninstallEntry) {
  const PrefillCase& c = GetParam();
  SetEnvironmentVariableA("VANTOREL_SAMPLE", driver_.install_dir().c_str());
  std::string location = c.location == std::string("@")   ? driver_.install_dir()
                         : c.location == std::string("%") ? "%VANTOREL_SAMPLE%"
                                                          : c.location;
  driver_.SetUninstallEntry({c.present, c.type, location, "阿里旺旺2010Beta1"});
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(ProgramText(driver_.Control(k目录编辑框)), c.filled ? driver_.install_dir() : "");
  EXPECT_EQ(Utf8(ProgramText(driver_.Control(k版本标签))),
            c.present ? U8(u8"阿里旺旺2010Beta1") : "");
  EXPECT_EQ(driver_.Focus(), driver_.Control(k会员号编辑框));
}

INSTANTIATE_TEST_SUITE_P(Cases, Prefill,
                         ::testing::Values(PrefillCase{"string", true, REG_SZ, "@", true},
                                           PrefillCase{"expandable", true, REG_EXPAND_SZ, "%",
                                                       true},
                                           PrefillCase{"number", true, REG_DWORD, "abcd", false},
                                           PrefillCase{"bytes", true, REG_BINARY, "C:\\x", false},
                                           PrefillCase{"no_entry", false, REG_SZ, "", false}),
                         [](const ::testing::TestParamInfo<PrefillCase>& param) {
                           return std::string(param.param.what);
                         });

struct ClientCase {
  const char* image;
  bool recognised;
  int close;  // 0: OK, 1: Esc, 2: its close box
};

class RunningClient : public Program, public ::testing::WithParamInterface<ClientCase> {};

TEST_P(RunningClient, WarnsOnceAndEndsWithoutShowingTheWindow) {
  const ClientCase& c = GetParam();
  ASSERT_TRUE(driver_.StartFakeClient(c.image));
  ASSERT_TRUE(driver_.Launch());
  if (!c.recognised) {
    EXPECT_NE(driver_.WaitForReadyWindow(), nullptr);
    return;
  }
  HWND box = driver_.WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  SendMessageA(box, WM_NULL, 0, 0);
  EXPECT_EQ(Utf8(testing::MessageBoxText(box)),
            U8(u8"检测到旺旺正在运行，请退出旺旺再使用补丁程序!"));
  EXPECT_FALSE(testing::MessageBoxHasIcon(box));
  HWND window = driver_.FindMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(driver_.OpenedUrls(0).empty());
  switch (c.close) {
    case 0: PostMessageA(box, WM_COMMAND, IDOK, 0); break;
    case 1: PostMessageA(box, WM_COMMAND, IDCANCEL, 0); break;
    case 2: PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); break;
  }
  bool ever_visible = false;
  testing::WaitUntil([&] {
    if (IsWindow(window) && IsWindowVisible(window)) ever_visible = true;
    return !IsWindow(window);
  });
  EXPECT_FALSE(ever_visible);
  EXPECT_EQ(driver_.WaitForExit(), 0u);
  EXPECT_EQ(driver_.OpenedUrls(1), std::vector<std::string>{kAuthorPage});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunningClient,
    ::testing::Values(ClientCase{"AliIM.exe", true, 0}, ClientCase{"AliIM.EXE", true, 1},
                      ClientCase{"AliIM.exe", true, 2}, ClientCase{"aliim.exe", false, 0},
                      ClientCase{"ALIIM.EXE", false, 0}, ClientCase{"AliIM.Exe", false, 0}));

TEST_F(Program, TwoClientsGiveOneWarning) {
  ASSERT_TRUE(driver_.StartFakeClient("AliIM.exe"));
  ProgramDriver second;
  ASSERT_TRUE(second.StartFakeClient("AliIM.exe"));
  ASSERT_TRUE(driver_.Launch());
  HWND box = driver_.WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  testing::WaitUntil([&] { return !IsWindow(box); });
  EXPECT_EQ(driver_.WaitForMessageBox(1000), nullptr);
  EXPECT_EQ(driver_.WaitForExit(), 0u);
}

TEST_F(Program, TabRingAndRadioArrows) {
  ASSERT_NE(Start(), nullptr);
  const int ring[] = {k目录编辑框, k浏览按钮, k去除单选框,  k恢复单选框,
                      k退出按钮,   k执行按钮, k会员号编辑框};
  for (int index : ring) {
    driver_.Key(VK_TAB);
    EXPECT_EQ(driver_.Focus(), driver_.Control(index)) << index;
  }
  for (int i = 5; i >= 0; --i) {
    driver_.Key(VK_TAB, true);
    EXPECT_EQ(driver_.Focus(), driver_.Control(ring[i])) << ring[i];
  }
  driver_.Key(VK_TAB, true);
  EXPECT_EQ(driver_.Focus(), driver_.Control(k会员号编辑框));
  EXPECT_FALSE(Checked(k去除单选框) || Checked(k恢复单选框)) << "Tab checked a radio button";

  driver_.Key(VK_TAB);
  driver_.Key(VK_TAB);
  driver_.Key(VK_TAB);  // 去除单选框
  ASSERT_EQ(driver_.Focus(), driver_.Control(k去除单选框));
  driver_.Key(VK_RIGHT);
  EXPECT_EQ(driver_.Focus(), driver_.Control(k恢复单选框));
  EXPECT_TRUE(Checked(k恢复单选框) && !Checked(k去除单选框));
  driver_.Key(VK_DOWN);
  EXPECT_TRUE(Checked(k去除单选框) && !Checked(k恢复单选框));
  driver_.Key(VK_LEFT);
  EXPECT_TRUE(Checked(k恢复单选框) && !Checked(k去除单选框));
  driver_.Key(VK_UP);
  EXPECT_EQ(driver_.Focus(), driver_.Control(k去除单选框));
  EXPECT_TRUE(Checked(k去除单选框) && !Checked(k恢复单选框));
}

TEST_F(Program, EnterChangesNothingAndEscCloses) {
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  SendMessageA(driver_.Control(k会员号编辑框), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("demo"));
  driver_.Key(VK_RETURN);
  driver_.Key(VK_F1);
  EXPECT_EQ(driver_.Focus(), driver_.Control(k会员号编辑框));
  EXPECT_EQ(ProgramText(driver_.Control(k会员号编辑框)), "demo");
  EXPECT_EQ(driver_.WaitForMessageBox(500), nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(driver_.OpenedUrls(0).empty());

  driver_.Key(VK_ESCAPE);
  EXPECT_EQ(driver_.WaitForExit(), 0u);
  EXPECT_EQ(driver_.OpenedUrls(1), std::vector<std::string>{kAuthorPage});
}

enum class Closing { kExitButton, kCloseBox, kAltF4, kEsc };

class EveryWayOfClosing : public Program, public ::testing::WithParamInterface<Closing> {};

TEST_P(EveryWayOfClosing, OpensTheAuthorsPageOnceAndEnds) {
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  switch (GetParam()) {
    case Closing::kExitButton: driver_.ClickAt(driver_.Control(k退出按钮)); break;
    case Closing::kCloseBox: PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case Closing::kAltF4: driver_.Key(VK_F4, false, true); break;
    case Closing::kEsc: driver_.Key(VK_ESCAPE); break;
  }
  EXPECT_EQ(driver_.WaitForExit(), 0u);
  EXPECT_EQ(driver_.OpenedUrls(1), std::vector<std::string>{kAuthorPage});
}

INSTANTIATE_TEST_SUITE_P(Ways, EveryWayOfClosing,
                         ::testing::Values(Closing::kExitButton, Closing::kCloseBox,
                                           Closing::kAltF4, Closing::kEsc));

TEST_F(Program, LinksAndBanner) {
  ASSERT_NE(Start(), nullptr);
  driver_.ClickAt(driver_.Control(k官网标签));
  EXPECT_EQ(driver_.OpenedUrls(1), std::vector<std::string>{kOfficialSite});
  driver_.ClickAt(driver_.Control(k问题反馈标签), true);  // a double click opens once
  EXPECT_EQ(driver_.OpenedUrls(2), (std::vector<std::string>{kOfficialSite, kAuthorPage}));

  driver_.MouseDownAt(driver_.Control(k图形按钮1));
  EXPECT_EQ(driver_.OpenedUrls(3).size(), 2u) << "the banner opened its page on the press";
  driver_.MouseUp();
  EXPECT_EQ(driver_.OpenedUrls(3).size(), 3u);
  driver_.ClickAt(driver_.Control(k图形按钮1), true);  // a double click opens twice
  std::vector<std::string> urls = driver_.OpenedUrls(5);
  EXPECT_EQ(urls, (std::vector<std::string>{kOfficialSite, kAuthorPage, kAuthorPage, kAuthorPage,
                                            kAuthorPage}));
}

TEST_F(Program, CancellingTheFolderBrowserKeepsTheField) {
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  const std::string before = ProgramText(driver_.Control(k目录编辑框));
  ASSERT_FALSE(before.empty());
  PostMessageA(driver_.Control(k浏览按钮), BM_CLICK, 0, 0);
  HWND browser = WaitForFolderBrowser();
  ASSERT_NE(browser, nullptr);
  EXPECT_FALSE(IsWindowEnabled(window)) << "the browser is not modal";
  EXPECT_EQ(Utf8(ProgramText(browser)).empty(), false);
  PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
  testing::WaitUntil([&] { return !IsWindow(browser); });
  EXPECT_EQ(ProgramText(driver_.Control(k目录编辑框)), before);
}

TEST_F(Program, ChoosingAFolderInTheBrowserReplacesTheField) {
  ASSERT_NE(Start(), nullptr);
  PostMessageA(driver_.Control(k浏览按钮), BM_CLICK, 0, 0);
  HWND browser = WaitForFolderBrowser();
  ASSERT_NE(browser, nullptr);
  PostMessageA(browser, WM_COMMAND, IDOK, 0);  // the folder it opens on: the desktop
  testing::WaitUntil([&] { return !IsWindow(browser); });
  std::string desktop(MAX_PATH, '\0');
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop.data(), CSIDL_DESKTOPDIRECTORY, FALSE));
  desktop.resize(desktop.find('\0'));
  EXPECT_EQ(ProgramText(driver_.Control(k目录编辑框)), desktop);
}

// Sets the choice and the texts as a user would, presses the execute
// button, and reads the one message box; answers its id by text.
struct Shown {
  std::string text;
  bool icon;
};

class Execute : public Program {
 protected:
  Shown Press(bool remove, bool restore, const std::string& folder, const std::string& member) {
    SendMessageA(driver_.Control(k目录编辑框), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(folder.c_str()));
    SendMessageA(driver_.Control(k会员号编辑框), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(member.c_str()));
    if (remove) SendMessageA(driver_.Control(k去除单选框), BM_CLICK, 0, 0);
    if (restore) SendMessageA(driver_.Control(k恢复单选框), BM_CLICK, 0, 0);
    driver_.ClickAt(driver_.Control(k执行按钮));
    HWND box = driver_.WaitForMessageBox();
    if (box == nullptr) return {"<no message>", false};
    SendMessageA(box, WM_NULL, 0, 0);
    Shown shown{Utf8(testing::MessageBoxText(box)), testing::MessageBoxHasIcon(box)};
    EXPECT_FALSE(IsWindowEnabled(driver_.FindMainWindow())) << "the box is not modal";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    testing::WaitUntil([&] { return !IsWindow(box); });
    return shown;
  }
};

TEST_F(Execute, EachOutcomeThroughTheWindow) {
  ASSERT_NE(Start(), nullptr);
  const std::string folder = driver_.install_dir();
  struct Step {
    bool remove, restore;
    std::string folder, member, message;
  } steps[] = {
      {false, false, folder, "demo", U8(u8"你都还未选择需要执行的选项- -!!")},
      {true, false, "", "demo",
       U8(u8"程序未检测到旺旺软件哦!如果确定已经安装，请手动按浏览指定安装目录。")},
      {true, false, folder, "", U8(u8"请输入您的旺旺会员名，否则无法去除广告哦!")},
      {true, false, folder, "dem",
       U8(u8"请检查您的旺旺会员名是否输入正确，或是您还未在本机登录过旺旺会员号，如果您未在本机登录"
          u8"过"
          u8"旺旺会员号，请关闭补丁程序后在本机登录一次旺旺会员号再运行补丁去广告!")},
      {false, true, folder, "demo", U8(u8"补丁已执行还原过，无须再执行了!")},
      {true, false, folder, "demo", U8(u8"补丁已执行成功!")},
      {true, false, folder, "demo", U8(u8"补丁已执行过，无须再执行了")},
      {false, true, folder, "dem", U8(u8"请检查您的旺旺会员名是否输入正确!")},
      {false, true, folder, "demo", U8(u8"执行还原成功!")},
  };
  for (const Step& step : steps) {
    Shown shown = Press(step.remove, step.restore, step.folder, step.member);
    EXPECT_EQ(shown.text, step.message);
    EXPECT_TRUE(shown.icon) << step.message;
    if (step.message == U8(u8"补丁已执行成功!")) {
      for (const std::string& name : testing::kAdFiles) {
        EXPECT_EQ(testing::KindOf(driver_.profile_dir() + "\\" + name),
                  testing::EntryKind::kDirectory);
      }
    }
  }
  for (const std::string& name : testing::kAdFiles) {
    EXPECT_EQ(testing::ReadFileBytes(driver_.profile_dir() + "\\" + name), testing::Original(name));
    EXPECT_EQ(testing::KindOf(driver_.profile_dir() + "\\" + name + ".KVTR"),
              testing::EntryKind::kMissing);
  }
  EXPECT_EQ(SystemFileSystem().ReadIniValue(driver_.profile_dir() + "\\KVTR NoAD.ini", "KVTR NoAD",
                                            "NoAD"),
            "1");
}

}  // namespace
}  // namespace vantorel
