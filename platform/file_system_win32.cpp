// The disk operations on kernel32's ANSI functions.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace vantorel {
namespace {

bool IsDriveRoot(std::string_view path) {
  auto is_letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (path.size() < 2 || path.size() > 3 || !is_letter(path[0]) || path[1] != ':') return false;
  return path.size() == 2 || path[2] == '\\';
}

// The attributes of the first entry a directory search for `path` finds.
bool FindEntry(std::string_view path, DWORD& attributes) {
  if (path.empty()) return false;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(std::string(path).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  attributes = data.dwFileAttributes;
  return true;
}

bool IsLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
bool IsDirectory(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Removes everything inside `dir`. The listing is taken whole and its handle
// closed before anything is deleted. Directory links are removed as links.
void EmptyDirectory(const std::string& dir) {
  struct Entry {
    std::string path;
    DWORD attributes;
  };
  std::vector<Entry> entries;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((dir + "\\*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    std::string_view name = data.cFileName;
    if (name == "." || name == "..") continue;
    entries.push_back({dir + "\\" + data.cFileName, data.dwFileAttributes});
  } while (FindNextFileA(find, &data));
  FindClose(find);

  for (const Entry& entry : entries) {
    if (IsDirectory(entry.attributes)) {
      if (!IsLink(entry.attributes)) EmptyDirectory(entry.path);
      RemoveDirectoryA(entry.path.c_str());
    } else {
      DeleteFileA(entry.path.c_str());
    }
  }
}

// The INI functions look a bare or relative name up in the Windows folder;
// the full path keeps them on the file the other operations would reach.
std::string FullPath(std::string_view path) {
  std::string in(path);
  DWORD size = GetFullPathNameA(in.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::string out(size, '\0');
  DWORD length = GetFullPathNameA(in.c_str(), size, out.data(), nullptr);
  if (length == 0 || length >= size) return {};
  out.resize(length);
  return out;
}

constexpr DWORD kIniBufferSize = 10240;

class Win32FileSystem final : public FileSystem {
 public:
  bool FileExists(std::string_view path) override {
    DWORD attributes;
    return FindEntry(path, attributes);
  }

  bool DirectoryExists(std::string_view path) override {
    DWORD attributes;
    return FindEntry(path, attributes) && IsDirectory(attributes);
  }

  bool RenameFile(std::string_view from, std::string_view to) override {
    return MoveFileA(std::string(from).c_str(), std::string(to).c_str()) != 0;
  }

  bool MakeDirectory(std::string_view path) override {
    return CreateDirectoryA(std::string(path).c_str(), nullptr) != 0;
  }

  bool RemoveDirectoryTree(std::string_view path) override {
    if (path.empty() || IsDriveRoot(path)) return false;
    std::string dir(path);
    std::string_view bare = path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
    DWORD attributes;
    bool is_link = FindEntry(bare, attributes) && IsLink(attributes);
    if (!is_link) EmptyDirectory(dir);
    return RemoveDirectoryA(dir.c_str()) != 0;
  }

  std::string ReadIniValue(std::string_view file, std::string_view section,
                           std::string_view key) override {
    if (file.empty() || section.empty() || key.empty()) return {};
    std::string full = FullPath(file);
    if (full.empty()) return {};
    std::string value(kIniBufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                            nullptr, value.data(), kIniBufferSize, full.c_str());
    value.resize(length);
    return value;
  }

  bool WriteIniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) override {
    if (file.empty() || section.empty() || key.empty()) return false;
    std::string full = FullPath(file);
    if (full.empty()) return false;
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), full.c_str()) != 0;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static Win32FileSystem file_system;
  return file_system;
}

}  // namespace vantorel
