// The floor for the program's start-up figures: the least a Win32 program
// does to reach the same point, built with the same toolchain and flags. One
// window with one edit box, shown, with the focus in the box.
//
// Built a second time with FLOOR_WITH_PROGRAM_DLLS, it also does the system
// work that the program must do before it is ready and that has nothing to
// do with its own code: COM initialised, shell32 loaded, the common
// controls of version 6 (through the same manifest) initialised.
#include <windows.h>

#ifdef FLOOR_WITH_PROGRAM_DLLS
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#endif

namespace {
LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef FLOOR_WITH_PROGRAM_DLLS
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // Referenced, so that shell32 is loaded as the program loads it; never run.
  if (instance == nullptr) ShellExecuteA(nullptr, "open", "", nullptr, nullptr, SW_SHOWNORMAL);
#endif
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = FloorProc;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "FloorWindow";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, "FloorWindow", "Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                100, 100, 455, 286, nullptr, nullptr, instance, nullptr);
  HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                              100, 170, 244, 23, window, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  SetFocus(edit);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
