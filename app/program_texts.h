// The program's fixed texts beside the window's own: the web pages, the
// client's traces in the system, and the start-up warning. All code page
// 936 bytes.
#pragma once

#include <array>
#include <string_view>

namespace vantorel {

// The IM client's official web site, and the author's page (the banner's).
inline constexpr std::string_view OfficialSiteUrl = "http://wangwang.taobao.com/";
inline constexpr std::string_view AuthorPageUrl = "http://vantorel.example.com/";

// The image names under which a process is the running client; no other
// spelling counts.
inline constexpr std::array<std::string_view, 2> ClientProcessName = {"AliIM.exe", "AliIM.EXE"};

// Under HKEY_LOCAL_MACHINE: the client's uninstall entry and its values.
inline constexpr std::string_view kInstallLocationPath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\阿里旺旺2010Beta1\\InstallLocation";
inline constexpr std::string_view kDisplayNamePath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\阿里旺旺2010Beta1\\DisplayName";

inline constexpr std::string_view kClientRunningWarning =
    "检测到旺旺正在运行，请退出旺旺再使用补丁程序!";
inline constexpr unsigned kStylePlain = 0;  // one OK button, no icon

inline constexpr std::string_view kBrowseTitle = "请指定旺旺的安装目位置录";

}  // namespace vantorel
