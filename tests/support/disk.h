// What the tests need of the disk beside the operations under test: a fresh
// temporary folder, and plain ways to lay out and inspect its content. Paths
// are in the program's own form ("\" separators, ANSI code page bytes); each
// platform has its implementation, like the program's own file operations.
#pragma once

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

}  // namespace vantorel::testing
