#include "platform/system.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

namespace vantorel {

std::vector<std::string> ListProcessNames() {
  std::vector<std::string> names;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return names;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    names.emplace_back(entry.szExeFile);
  }
  CloseHandle(snapshot);
  return names;
}

namespace {

// The position of the last "\" outside a double-byte character.
size_t LastSeparator(std::string_view path) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    if (static_cast<unsigned char>(path[i]) >= 0x80) {
      ++i;
    } else if (path[i] == '\\') {
      last = i;
    }
  }
  return last;
}

std::string UpToNul(std::string text) {
  text.resize(text.find('\0') == text.npos ? text.size() : text.find('\0'));
  return text;
}

std::string Expand(const std::string& text) {
  DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::string expanded(size, '\0');
  DWORD used = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size);
  if (used == 0 || used > size) return {};
  return UpToNul(std::move(expanded));
}

#ifdef _WIN64
constexpr REGSAM kRegistryView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kRegistryView = 0;
#endif

}  // namespace

std::string ReadRegistryText(HKEY root, std::string_view path) {
  size_t separator = LastSeparator(path);
  if (separator == std::string_view::npos) return {};
  std::string key_path(path.substr(0, separator));
  std::string value_name(path.substr(separator + 1));

  HKEY key;
  if (RegOpenKeyExA(root, key_path.c_str(), 0, KEY_READ | kRegistryView, &key) != ERROR_SUCCESS) {
    return {};
  }
  std::string text;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, value_name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::string data(size, '\0');
    if (RegQueryValueExA(key, value_name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS) {
      data.resize(size < data.size() ? size : data.size());
      text = UpToNul(std::move(data));
      if (type == REG_EXPAND_SZ) text = Expand(text);
    }
  }
  RegCloseKey(key);
  return text;
}

int ShowMessage(std::string_view text, unsigned style, std::string_view title) {
  int answer = MessageBoxA(nullptr, std::string(text).c_str(), std::string(title).c_str(),
                           style | MB_TASKMODAL);
  // A box with only an OK button has one answer however it was closed;
  // Wine reports Esc and the close box as IDCANCEL, Windows as IDOK.
  if ((style & MB_TYPEMASK) == MB_OK || answer == IDOK || answer == 0) return 0;
  return answer;
}

void DestroyMainWindow(HWND main_window) {
  PostMessageA(main_window, kDestroyRequestMessage, 0, 0);
}

void FocusControl(HWND control) { SetFocus(control); }

std::string BrowseForFolder(std::string_view title) {
  std::string title_text(title);
  BROWSEINFOA info = {};
  info.hwndOwner = GetActiveWindow();
  info.lpszTitle = title_text.c_str();
  info.ulFlags = BIF_EDITBOX;
  LPITEMIDLIST item = SHBrowseForFolderA(&info);
  if (item == nullptr) return {};
  std::string path(MAX_PATH, '\0');  // the size SHGetPathFromIDListA writes into
  if (SHGetPathFromIDListA(item, path.data())) {
    path = UpToNul(std::move(path));
  } else {
    path.clear();
  }
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator))) {
    allocator->Free(item);
    allocator->Release();
  }
  return path;
}

void OpenWebPage(std::string_view url) {
  ShellExecuteA(nullptr, "open", std::string(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ApplyXpLook(int scheme) {
  if (scheme != 1) return;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace vantorel
