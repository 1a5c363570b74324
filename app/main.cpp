// Vantorel: removes the advertisement panels of the 阿里旺旺 2010 Beta1
// client for one account, and puts them back.
#include <ole2.h>
#include <windows.h>

#include <string>

#include "app/main_window.h"

namespace {

// Relative folders typed by the user resolve against the program's own.
void EnterProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t cut = path.rfind('\\');
  if (cut == std::string::npos) return;
  // A drive's root keeps its backslash: "C:" alone would name a current folder.
  path.resize(cut == 2 && path[1] == ':' ? cut + 1 : cut);
  SetCurrentDirectoryA(path.c_str());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  OleInitialize(nullptr);
  EnterProgramFolder();
  vantorel::MainWindow window;
  if (!window.Create(instance)) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  OleUninitialize();
  return 0;
}
