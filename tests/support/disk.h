// What the tests need of the disk beside the operations under test: a fresh
// temporary folder, and plain ways to lay out and inspect its content. Paths
// are in the program's own form ("\" separators, ANSI code page bytes); each
// platform has its implementation, like the program's own file operations.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::testing {

// A new empty folder, removed with all its content when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder's absolute path, without a closing "\".
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

enum class EntryKind { kMissing, kFile, kDirectory };

EntryKind KindOf(std::string_view path);
bool WriteFileBytes(std::string_view path, std::string_view bytes);
std::optional<std::string> ReadFileBytes(std::string_view path);
bool MakeFolder(std::string_view path);
// The names in a folder, "." and ".." left out, sorted byte-wise.
std::vector<std::string> ListNames(std::string_view dir);
// Windows' read-only attribute; on POSIX, a file without write permission.
void SetReadOnly(std::string_view path, bool read_only);
// A directory link at `link` to `target`; false, with the reason, where the
// platform cannot make one.
bool MakeDirectoryLink(std::string_view link, std::string_view target, std::string& why_not);
std::string CurrentFolder();
bool ChangeFolder(std::string_view path);
// Removes a whole tree for the tests' own cleaning, read-only files too.
void RemoveAll(std::string_view path);

// Every entry under `dir`, by its path relative to `dir`: "<dir>" for a
// directory, the bytes for a file. For comparing a tree before and after.
std::map<std::string, std::string> Snapshot(std::string_view dir);

// Code page 936 bytes as UTF-8, converted by the platform (iconv on POSIX,
// MultiByteToWideChar on Windows), so that tests can state texts in UTF-8.
std::string Cp936ToUtf8(std::string_view bytes);

// Keeps a file open so that it cannot be renamed or deleted, as a running
// client holding it does; false on platforms without such locks.
class FileLock {
 public:
  explicit FileLock(std::string_view path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool held() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace vantorel::testing
