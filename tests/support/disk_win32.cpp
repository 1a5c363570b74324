#include <windows.h>

#include <algorithm>

#include "tests/support/disk.h"

namespace vantorel::testing {

TempFolder::TempFolder() {
  static unsigned counter = 0;
  std::string base(MAX_PATH + 1, '\0');
  base.resize(GetTempPathA(static_cast<DWORD>(base.size()), base.data()));
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (;;) {
    path_ = base + "\\vantorel-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) abort();
  }
}

TempFolder::~TempFolder() { RemoveAll(path_); }

EntryKind KindOf(std::string_view path) {
  DWORD attributes = GetFileAttributesA(std::string(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::kMissing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::kDirectory : EntryKind::kFile;
}

bool WriteFileBytes(std::string_view path, std::string_view bytes) {
  HANDLE file = CreateFileA(std::string(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::optional<std::string> ReadFileBytes(std::string_view path) {
  if (KindOf(path) != EntryKind::kFile) return std::nullopt;
  HANDLE file = CreateFileA(std::string(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool MakeFolder(std::string_view path) {
  return CreateDirectoryA(std::string(path).c_str(), nullptr) != 0;
}

std::vector<std::string> ListNames(std::string_view dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((std::string(dir) + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = data.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

void SetReadOnly(std::string_view path, bool read_only) {
  SetFileAttributesA(std::string(path).c_str(),
                     read_only ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

bool MakeDirectoryLink(std::string_view link, std::string_view target, std::string& why_not) {
  // Looked up at run time: the program itself targets Windows XP, which has
  // no symbolic links.
  using CreateLink = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);
  auto create = reinterpret_cast<CreateLink>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
  if (create == nullptr) {
    why_not = "this system has no CreateSymbolicLinkA";
    return false;
  }
  constexpr DWORD kDirectoryLink = 0x1;  // SYMBOLIC_LINK_FLAG_DIRECTORY
  if (create(std::string(link).c_str(), std::string(target).c_str(), kDirectoryLink)) {
    DWORD attributes = GetFileAttributesA(std::string(link).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      return true;
    }
    why_not = "the system made a link that does not report itself as a reparse point";
    return false;
  }
  why_not = "CreateSymbolicLinkA failed with error " + std::to_string(GetLastError());
  return false;
}

std::string CurrentFolder() {
  std::string path(GetCurrentDirectoryA(0, nullptr), '\0');
  path.resize(GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data()));
  return path;
}

bool ChangeFolder(std::string_view path) {
  return SetCurrentDirectoryA(std::string(path).c_str()) != 0;
}

void RemoveAll(std::string_view path) {
  std::string p(path);
  DWORD attributes = GetFileAttributesA(p.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    for (const std::string& name : ListNames(p)) RemoveAll(p + "\\" + name);
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    RemoveDirectoryA(p.c_str());
  } else {
    DeleteFileA(p.c_str());
  }
}

}  // namespace vantorel::testing

namespace vantorel::testing {

std::string Cp936ToUtf8(std::string_view bytes) {
  if (bytes.empty()) return {};
  int n = static_cast<int>(bytes.size());
  int wide_size = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), n, nullptr, 0);
  if (wide_size == 0) return "<not code page 936>";
  std::wstring wide(wide_size, L'\0');
  MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), n, wide.data(), wide_size);
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, out.data(), size, nullptr, nullptr);
  return out;
}

// Read and write sharing only: without FILE_SHARE_DELETE the file can be
// neither renamed nor deleted while it is open.
FileLock::FileLock(std::string_view path) {
  HANDLE file =
      CreateFileA(std::string(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) handle_ = file;
}

FileLock::~FileLock() {
  if (handle_ != nullptr) CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace vantorel::testing
