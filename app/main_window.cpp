#include "app/main_window.h"

#include "app/child_window.h"
#include "app/picture_button.h"
#include "app/window_bindings.h"
#include "platform/system.h"

namespace vantorel {
namespace {

constexpr char kWindowClass[] = "VantorelMainWindow";
constexpr int kFirstControlId = 100;

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The focusable controls, in the order Tab visits them.
constexpr std::array<Control, 7> kTabRing = {
    Control::目录编辑框, Control::浏览按钮, Control::去除单选框,   Control::恢复单选框,
    Control::退出按钮,   Control::执行按钮, Control::会员号编辑框,
};
constexpr std::array<Control, 2> kRadioRing = {Control::去除单选框, Control::恢复单选框};

int IdOf(Control name) { return kFirstControlId + static_cast<int>(name); }

RECT PlaceInWindow(const ControlRow& row) {
  RECT place = {row.left, row.top, row.left + row.width, row.top + row.height};
  if (row.parent != Control::MainWindow) {
    const ControlRow& parent = RowOf(row.parent);
    OffsetRect(&place, parent.left, parent.top);
  }
  return place;
}

std::string ResourceBytes(HINSTANCE instance, const char* name) {
  HRSRC found = FindResourceA(instance, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return std::string(static_cast<const char*>(bytes), SizeofResource(instance, found));
}

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (credit_font_ != nullptr) DeleteObject(credit_font_);
}

bool MainWindow::Create(HINSTANCE instance) {
  instance_ = instance;
  DecodeJpeg(ResourceBytes(instance, "BANNER_IMAGE"), banner_);
  if (!RegisterLabelClass(instance) || !RegisterPictureButtonClass(instance)) return false;

  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hIcon =
      static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  window_class.hIconSm = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), 0));
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  if (!RegisterClassExA(&window_class)) return false;

  // Centred on the primary screen, the remainders dropped.
  int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
  const std::string caption(kWindowCaption);
  if (!CreateWindowExA(0, kWindowClass, caption.c_str(), kWindowStyle, left, top, kWindowWidth,
                       kWindowHeight, nullptr, nullptr, instance, this)) {
    return false;
  }
  Raise(Control::MainWindow, Event::kCreated);
  return true;
}

void MainWindow::CreateControls() {
  credit_font_ =
      CreateFontA(kCreditFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, std::string(kCreditFontFace).c_str());
  auto gui_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  for (const ControlRow& row : kControls) {
    const RECT place = PlaceInWindow(row);
    const std::string text(row.text);
    const int id = IdOf(row.name);
    // Every control clips against those above it; the radio buttons are the
    // only two controls of one group.
    DWORD style = WS_CLIPSIBLINGS;
    if (row.name != Control::恢复单选框) style |= WS_GROUP;
    HWND control = nullptr;
    switch (row.kind) {
      case Kind::kGroupBox:
      case Kind::kLabel: {
        LabelLook& look = label_looks_[Index(row.name)];
        look.text = row.look == Look::kEngraved ? kGray : row.look == Look::kPlain ? kBlack : kBlue;
        look.engraved = row.look == Look::kEngraved;
        look.link = row.look == Look::kLink;
        look.frame = row.kind == Kind::kGroupBox;
        control = CreateLabel(window_, id, text.c_str(), place, &look, instance_);
        break;
      }
      case Kind::kEditBox:
        control = CreateChildWindow(WS_EX_CLIENTEDGE, "EDIT", text.c_str(),
                                    style | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, place, window_,
                                    id, nullptr, instance_);
        break;
      case Kind::kPushButton:
        control = CreateChildWindow(
            0, "BUTTON", text.c_str(),
            style | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, place,
            window_, id, nullptr, instance_);
        break;
      case Kind::kRadioButton:
        control = CreateChildWindow(0, "BUTTON", text.c_str(),
                                    style | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER,
                                    place, window_, id, nullptr, instance_);
        break;
      case Kind::kPictureButton:
        control = CreatePictureButton(window_, id, place, &banner_, instance_);
        break;
    }
    controls_[Index(row.name)] = control;
    SendMessageA(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(row.look == Look::kEngraved ? credit_font_ : gui_font),
                 FALSE);
  }
  // The group box lies under everything drawn over it, and the folder box
  // over the label it overlaps.
  constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(ControlWindow(Control::分组框1), HWND_BOTTOM, 0, 0, 0, 0, kKeep);
  SetWindowPos(ControlWindow(Control::目录编辑框), HWND_TOP, 0, 0, 0, 0, kKeep);
}

std::string MainWindow::Text(Control name) const {
  HWND control = ControlWindow(name);
  int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), length + 1)));
  return text;
}

void MainWindow::SetText(Control name, std::string_view text) {
  SetWindowTextA(ControlWindow(name), std::string(text).c_str());
}

bool MainWindow::IsChecked(Control name) const {
  return SendMessageA(ControlWindow(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::Show() { ShowWindow(window_, SW_SHOW); }

void MainWindow::Raise(Control source, Event event) {
  for (const Binding& binding : kBindings) {
    if (binding.source == source && binding.event == event) binding.handler(*this);
  }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, w, l);
  return self->HandleMessage(message, w, l);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE: CreateControls(); return 0;
    case WM_COMMAND:
      if (HIWORD(w) == BN_CLICKED && l != 0) {
        const auto name = static_cast<Control>(LOWORD(w) - kFirstControlId);
        if (RowOf(name).kind == Kind::kPushButton) Raise(name, Event::kClicked);
      }
      return 0;
    case kLabelPressedMessage:
      Raise(static_cast<Control>(static_cast<int>(w) - kFirstControlId), Event::kLeftButtonPressed);
      return 0;
    case kPictureClickedMessage:
      Raise(static_cast<Control>(static_cast<int>(w) - kFirstControlId), Event::kClicked);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(reinterpret_cast<HDC>(w));
    case WM_ACTIVATE: OnActivate(w); return 0;
    case kDestroyRequestMessage: DestroyWindow(window_); return 0;
    case WM_DESTROY:
      Raise(Control::MainWindow, Event::kWillBeDestroyed);
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: window_ = nullptr; break;
  }
  return DefWindowProcA(window_, message, w, l);
}

// The radio buttons and push buttons: black on the button face.
LRESULT MainWindow::OnControlColour(HDC dc) {
  SetTextColor(dc, kBlack);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// Back in the window, the focus returns to the control that had it.
void MainWindow::OnActivate(WPARAM w) {
  if (LOWORD(w) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) focus_before_deactivation_ = focus;
  } else if (focus_before_deactivation_ != nullptr && IsWindow(focus_before_deactivation_)) {
    SetFocus(focus_before_deactivation_);
  } else {
    DefWindowProcA(window_, WM_ACTIVATE, w, 0);
  }
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN || window_ == nullptr) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const bool modified = KeyDown(VK_SHIFT) || KeyDown(VK_CONTROL) || KeyDown(VK_MENU);
  switch (message.wParam) {
    case VK_TAB:
      if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
      MoveFocusInRing(GetFocus(), KeyDown(VK_SHIFT));
      return true;
    case VK_ESCAPE:
      if (modified) return false;
      SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_RETURN:
    case VK_F1: return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: return MoveBetweenRadioButtons(GetFocus());
  }
  return false;
}

void MainWindow::MoveFocusInRing(HWND from, bool backwards) {
  const size_t size = kTabRing.size();
  // From outside the ring, Tab starts at its first control, Shift+Tab at its last.
  size_t next = backwards ? size - 1 : 0;
  for (size_t i = 0; i < size; ++i) {
    if (ControlWindow(kTabRing[i]) == from)
      next = backwards ? (i + size - 1) % size : (i + 1) % size;
  }
  HWND target = ControlWindow(kTabRing[next]);
  SetFocus(target);
  if (RowOf(kTabRing[next]).kind == Kind::kEditBox) SendMessageA(target, EM_SETSEL, 0, -1);
}

bool MainWindow::MoveBetweenRadioButtons(HWND from) {
  for (size_t i = 0; i < kRadioRing.size(); ++i) {
    if (ControlWindow(kRadioRing[i]) != from) continue;
    // With two buttons, forward and backward both lead to the other one.
    HWND other = ControlWindow(kRadioRing[(i + 1) % kRadioRing.size()]);
    SetFocus(other);
    SendMessageA(other, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace vantorel
