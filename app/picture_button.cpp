#include "app/picture_button.h"

#include "app/child_window.h"

namespace vantorel {
namespace {

const Picture* PictureOf(HWND button) {
  return reinterpret_cast<const Picture*>(GetWindowLongPtrA(button, GWLP_USERDATA));
}

void Paint(HWND button, const Picture* picture) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(button, &paint);
  RECT client;
  GetClientRect(button, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (picture != nullptr && picture->width > 0) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture->width;
    info.bmiHeader.biHeight = -picture->height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(
        dc, 0, 0, static_cast<DWORD>(picture->width), static_cast<DWORD>(picture->height), 0, 0, 0,
        static_cast<UINT>(picture->height), picture->bgrx.data(), &info, DIB_RGB_COLORS);
  }
  EndPaint(button, &paint);
}

LRESULT CALLBACK PictureButtonProc(HWND button, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(l);
      SetWindowLongPtrA(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(button, PictureOf(button)); return 0;
    case WM_LBUTTONUP: {
      RECT client;
      GetClientRect(button, &client);
      POINT at = {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      if (PtInRect(&client, at)) {
        SendMessageA(GetParent(button), kPictureClickedMessage,
                     static_cast<WPARAM>(GetDlgCtrlID(button)), 0);
      }
      return 0;
    }
  }
  return DefWindowProcA(button, message, w, l);
}

}  // namespace

bool RegisterPictureButtonClass(HINSTANCE instance) {
  WNDCLASSA button_class = {};
  button_class.lpfnWndProc = PictureButtonProc;
  button_class.hInstance = instance;
  button_class.hCursor = LoadCursor(nullptr, IDC_HAND);
  button_class.lpszClassName = kPictureButtonClass;
  return RegisterClassA(&button_class) != 0;
}

HWND CreatePictureButton(HWND parent, int id, RECT place, const Picture* picture,
                         HINSTANCE instance) {
  return CreateChildWindow(0, kPictureButtonClass, "", 0, place, parent, id,
                           const_cast<Picture*>(picture), instance);
}

}  // namespace vantorel
