#include "app/label.h"

#include "app/child_window.h"

#include <string>

namespace vantorel {
namespace {

LabelLook* LookOf(HWND label) {
  return reinterpret_cast<LabelLook*>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

void Paint(HWND label, const LabelLook& look) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT client;
  GetClientRect(label, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

  int length = GetWindowTextLengthA(label);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(label, text.data(), length + 1)));

  HGDIOBJ old_font = SelectObject(dc, look.font ? look.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  if (look.frame) {
    // The frame runs through the middle of the caption, which sits on a
    // gap of button face a few pixels in from the left.
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    client = {8, 0, 8 + extent.cx + 4, metrics.tmHeight};
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    client.left += 2;
    format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
  }
  if (look.engraved) {
    RECT shadow = client;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
  }
  SetTextColor(dc, look.text);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
  SelectObject(dc, old_font);
  EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM w, LPARAM l) {
  LabelLook* look = LookOf(label);
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(l);
      SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_SETFONT:
      if (look) look->font = reinterpret_cast<HFONT>(w);
      if (LOWORD(l)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(look ? look->font : nullptr);
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(label, message, w, l);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND: return 1;  // painting fills the whole label
    case WM_PAINT:
      if (look) {
        Paint(label, *look);
        return 0;
      }
      break;
    case WM_SETCURSOR:
      if (look && look->link && LOWORD(l) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      if (look && look->link) {
        SendMessageA(GetParent(label), kLabelPressedMessage,
                     static_cast<WPARAM>(GetDlgCtrlID(label)), l);
      }
      return 0;
    case WM_LBUTTONDBLCLK: return 0;  // the second press of a double click is not a press
  }
  return DefWindowProcA(label, message, w, l);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSA label_class = {};
  label_class.style = CS_DBLCLKS;
  label_class.lpfnWndProc = LabelProc;
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  label_class.lpszClassName = kLabelClass;
  if (!RegisterClassA(&label_class)) return false;
  label_class.lpszClassName = kGroupBoxClass;
  return RegisterClassA(&label_class) != 0;
}

HWND CreateLabel(HWND parent, int id, const char* text, RECT place, LabelLook* look,
                 HINSTANCE instance) {
  return CreateChildWindow(0, look->frame ? kGroupBoxClass : kLabelClass, text, WS_CLIPSIBLINGS,
                           place, parent, id, look, instance);
}

}  // namespace vantorel
