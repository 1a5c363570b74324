#include "tests/support/windows_ui.h"

#include "tests/support/disk.h"

namespace vantorel::testing {

bool WaitUntil(const std::function<bool()>& done, DWORD timeout_ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(20);
  }
}

HWND WaitForWindow(const std::function<HWND()>& find, DWORD timeout_ms) {
  HWND window = nullptr;
  WaitUntil([&] { return (window = find()) != nullptr; }, timeout_ms);
  return window;
}

namespace {
struct TopLevelSearch {
  std::string_view window_class;
  DWORD process_id;
  const std::function<bool(HWND)>& accept;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TopLevelSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if ((search->process_id == 0 || owner == search->process_id) &&
      ClassName(window) == search->window_class && (!search->accept || search->accept(window))) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK Collect(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}
}  // namespace

HWND FindTopLevelWindow(std::string_view window_class, DWORD process_id,
                        const std::function<bool(HWND)>& accept) {
  TopLevelSearch search{window_class, process_id, accept, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindDialog(std::string_view title, DWORD process_id) {
  return FindTopLevelWindow("#32770", process_id, [&](HWND window) {
    return IsWindowVisible(window) && WindowText(window) == title;
  });
}

std::string WindowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string ClassName(HWND window) {
  std::string name(256, '\0');
  name.resize(
      static_cast<size_t>(GetClassNameA(window, name.data(), static_cast<int>(name.size()))));
  return name;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string MessageBoxText(HWND box) {
  for (HWND child : Children(box)) {
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (ClassName(child) == "Static" && (style & SS_TYPEMASK) != SS_ICON &&
        !WindowText(child).empty()) {
      return WindowText(child);
    }
  }
  return {};
}

bool MessageBoxHasIcon(HWND box) {
  for (HWND child : Children(box)) {
    if (ClassName(child) == "Static" &&
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0) {
      return true;
    }
  }
  return false;
}

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  path.resize(GetModuleFileNameA(nullptr, path.data(), MAX_PATH));
  return path.substr(0, path.rfind('\\'));
}

std::string WinePathOf(std::string_view posix_path) {
  std::string path = "Z:" + std::string(posix_path);
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::vector<std::string> ReadLines(std::string_view path) {
  std::vector<std::string> lines;
  std::string bytes = ReadFileBytes(path).value_or("");
  size_t begin = 0;
  while (begin < bytes.size()) {
    size_t end = bytes.find('\n', begin);
    if (end == bytes.npos) end = bytes.size();
    lines.push_back(bytes.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

}  // namespace vantorel::testing
