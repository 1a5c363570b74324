// The program's single window. Its controls come from the layout table;
// its events reach their handlers through the bindings table.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "app/jpeg_picture.h"
#include "app/label.h"
#include "app/window_layout.h"

namespace vantorel {

enum class Event { kCreated, kWillBeDestroyed, kClicked, kLeftButtonPressed };

class MainWindow {
 public:
  MainWindow() = default;
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, hidden, with all its controls, then raises its
  // created event. False when the window could not be created.
  bool Create(HINSTANCE instance);

  // The keys the window handles before the focused control: Tab and
  // Shift+Tab, the arrows on the radio buttons, Esc, Enter and F1. True
  // when the message has been used and must not be dispatched.
  bool PreTranslateMessage(const MSG& message);

  HWND handle() const { return window_; }
  HWND ControlWindow(Control name) const { return controls_[Index(name)]; }
  // A new text of what an edit box (or any control) shows.
  std::string Text(Control name) const;
  void SetText(Control name, std::string_view text);
  bool IsChecked(Control name) const;
  void Show();

 private:
  static size_t Index(Control name) { return static_cast<size_t>(name); }
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  void Raise(Control source, Event event);
  LRESULT OnControlColour(HDC dc);
  void OnActivate(WPARAM w);
  void MoveFocusInRing(HWND from, bool backwards);
  bool MoveBetweenRadioButtons(HWND from);

  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HWND focus_before_deactivation_ = nullptr;
  HFONT credit_font_ = nullptr;
  Picture banner_;
  std::array<HWND, kControls.size() + 1> controls_ = {};
  std::array<LabelLook, kControls.size() + 1> label_looks_ = {};
};

}  // namespace vantorel
