// Which handler each event of the main window calls: the one place where
// events and handlers meet. An event not listed has no handler; in
// particular nothing can refuse the window's closing.
#pragma once

#include <array>

#include "app/commands.h"
#include "app/main_window.h"

namespace vantorel {

struct Binding {
  Control source;
  Event event;
  void (*handler)(MainWindow& window);
};

inline constexpr std::array<Binding, 8> kBindings = {{
    {Control::MainWindow, Event::kCreated, InitMainWindow},
    {Control::MainWindow, Event::kWillBeDestroyed, MainWindowClosing},
    {Control::执行按钮, Event::kClicked, ExecuteButtonCommand},
    {Control::退出按钮, Event::kClicked, ExitCommand},
    {Control::浏览按钮, Event::kClicked, BrowseCommand},
    {Control::官网标签, Event::kLeftButtonPressed, OfficialSiteCommand},
    {Control::问题反馈标签, Event::kLeftButtonPressed, FeedbackCommand},
    {Control::图形按钮1, Event::kClicked, BannerCommand},
}};

}  // namespace vantorel
