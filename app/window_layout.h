// The main window and its eighteen controls, one row each, in the order
// they are created (which is also the Tab order of the focusable ones).
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

namespace vantorel {

enum class Control {
  MainWindow,  // the window itself, as the source of its own events
  分组框1,
  安装目录标签,
  目录编辑框,
  浏览按钮,
  去除单选框,
  恢复单选框,
  注意标签,
  当前版本号标签,
  版本标签,
  问题反馈标签,
  官网标签,
  退出按钮,
  执行按钮,
  图形按钮1,
  标签1,
  会员号编辑框,
  标签2,
  标签3,
};

enum class Kind { kGroupBox, kLabel, kEditBox, kPushButton, kRadioButton, kPictureButton };

// How a control looks beyond its kind.
enum class Look {
  kPlain,
  kBlue,      // group box caption in blue
  kLink,      // blue text, hand cursor
  kEngraved,  // gray text over a white copy one pixel down and right, own font
};

struct ControlRow {
  Control name;
  Kind kind;
  Control parent;  // MainWindow or 分组框1; places are relative to the parent
  int left, top, width, height;
  std::string_view text;
  Look look;
};

inline constexpr std::string_view kWindowCaption = "Vantorel V1.0";
inline constexpr int kWindowWidth = 455;  // outer size, frame and caption included
inline constexpr int kWindowHeight = 286;

inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kGray = RGB(128, 128, 128);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// The engraved credit line's own font: 宋体, 12 pixels, normal weight.
inline constexpr std::string_view kCreditFontFace = "宋体";
inline constexpr int kCreditFontHeight = -12;

inline constexpr Control kInWindow = Control::MainWindow;
inline constexpr Control kInGroup = Control::分组框1;

inline constexpr std::array<ControlRow, 18> kControls = {{
    // clang-format off
    {Control::分组框1,       Kind::kGroupBox,      kInWindow, 3,   72,  443, 152, "操作选项",        Look::kBlue},
    {Control::安装目录标签,  Kind::kLabel,         kInGroup,  13,  41,  88,  23,  "旺旺安装目录：",  Look::kPlain},
    {Control::目录编辑框,    Kind::kEditBox,       kInGroup,  97,  40,  244, 23,  "",                Look::kPlain},
    {Control::浏览按钮,      Kind::kPushButton,    kInGroup,  351, 39,  64,  24,  "浏览...",         Look::kPlain},
    {Control::去除单选框,    Kind::kRadioButton,   kInGroup,  102, 70,  119, 23,  "去除旺旺广告",    Look::kPlain},
    {Control::恢复单选框,    Kind::kRadioButton,   kInGroup,  251, 70,  106, 23,  "还原旺旺广告",    Look::kPlain},
    {Control::注意标签,      Kind::kLabel,         kInGroup,  13,  15,  417, 22,
     "注意：如果自动识别的目录不正确，请手动按浏览指定旺旺的安装目录。",                    Look::kPlain},
    {Control::当前版本号标签, Kind::kLabel,        kInGroup,  13,  127, 72,  23,  "旺旺版本号：",    Look::kPlain},
    {Control::版本标签,      Kind::kLabel,         kInGroup,  98,  126, 158, 23,  "",                Look::kPlain},
    {Control::问题反馈标签,  Kind::kLabel,         kInGroup,  327, 125, 50,  24,  "问题反馈",        Look::kLink},
    {Control::官网标签,      Kind::kLabel,         kInGroup,  386, 125, 52,  24,  "旺旺官网",        Look::kLink},
    {Control::退出按钮,      Kind::kPushButton,    kInWindow, 2,   227, 70,  24,  "退出",            Look::kPlain},
    {Control::执行按钮,      Kind::kPushButton,    kInWindow, 377, 227, 70,  24,  "执行",            Look::kPlain},
    {Control::图形按钮1,     Kind::kPictureButton, kInWindow, 0,   -1,  449, 65,  "",                Look::kPlain},
    {Control::标签1,         Kind::kLabel,         kInWindow, 156, 231, 168, 16,  "By:Morvane  2010-06-10", Look::kEngraved},
    {Control::会员号编辑框,  Kind::kEditBox,       kInGroup,  97,  98,  244, 23,  "",                Look::kPlain},
    {Control::标签2,         Kind::kLabel,         kInGroup,  13,  98,  80,  23,  "旺旺会员名：",    Look::kPlain},
    {Control::标签3,         Kind::kLabel,         kInGroup,  350, 97,  88,  24,  "无须区分大小写",  Look::kPlain},
    // clang-format on
}};

constexpr const ControlRow& RowOf(Control name) {
  for (const ControlRow& row : kControls) {
    if (row.name == name) return row;
  }
  return kControls.front();  // MainWindow itself has no row
}

}  // namespace vantorel
