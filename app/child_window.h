// Creating one control of the main window at its place in the client area.
#pragma once

#include <windows.h>

namespace vantorel {

inline HWND CreateChildWindow(DWORD ex_style, const char* window_class, const char* text,
                              DWORD style, RECT place, HWND parent, int id, void* creation_data,
                              HINSTANCE instance) {
  return CreateWindowExA(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | style, place.left,
                         place.top, place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                         creation_data);
}

}  // namespace vantorel
