// The disk operations on POSIX, so that the engine runs away from Windows.
//
// Paths arrive in the Windows form. "\" becomes "/" by a scan that knows the
// double-byte characters of the ANSI code page: a byte of 0x80 or more starts
// a character whose second byte is never a separator, even when it is 0x5C.
// Where POSIX and Win32 part, this layer follows Win32 for the cases the
// engine meets: wildcards in the last component, no replacement on rename, a
// file without write permission refusing deletion like a read-only one, and
// an INI format that Windows' own INI functions read.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix_path.h"

namespace vantorel {
namespace {

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != text.npos; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// "*" matches any run of bytes, "?" one byte; letters match regardless of
// case, as Windows' directory search does.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// The entries a Windows directory search for `path` would find, as POSIX
// paths; at most one unless the last component holds wildcards.
std::vector<std::string> SearchEntries(std::string_view path) {
  std::vector<std::string> found;
  std::string posix = ToPosixPath(path);
  if (posix.empty() || posix.back() == '/') return found;
  size_t slash = posix.rfind('/');
  std::string dir = slash == posix.npos ? "." : posix.substr(0, slash == 0 ? 1 : slash);
  std::string name = slash == posix.npos ? posix : posix.substr(slash + 1);
  if (slash != posix.npos && HasWildcard(posix.substr(0, slash))) return found;
  if (!HasWildcard(name)) {
    struct stat st;
    if (lstat(posix.c_str(), &st) == 0) found.push_back(posix);
    return found;
  }
  if (DIR* listing = opendir(dir.c_str())) {
    while (dirent* entry = readdir(listing)) {
      if (WildcardMatch(name, entry->d_name)) found.push_back(dir + "/" + entry->d_name);
    }
    closedir(listing);
  }
  return found;
}

bool IsDirectoryFollow(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Windows refuses to delete a read-only file; without a write bit a file is
// read-only here too, whoever runs the program.
bool IsReadOnlyMode(mode_t mode) {
  return !S_ISLNK(mode) && (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool IsReadOnly(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && IsReadOnlyMode(st.st_mode);
}

// Removes everything inside the open directory `dir` (and closes it). The
// listing is taken whole before anything is deleted; every name is reached
// relative to its directory, and links are never followed.
void EmptyDirectory(int dir) {
  struct Entry {
    std::string name;
    mode_t mode;
  };
  std::vector<Entry> entries;
  DIR* listing = fdopendir(dir);
  if (listing == nullptr) {
    close(dir);
    return;
  }
  while (dirent* entry = readdir(listing)) {
    std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (fstatat(dir, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
      entries.push_back({entry->d_name, st.st_mode});
    }
  }
  for (const Entry& entry : entries) {
    if (S_ISDIR(entry.mode)) {
      int inner = openat(dir, entry.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
      if (inner >= 0) EmptyDirectory(inner);
      unlinkat(dir, entry.name.c_str(), AT_REMOVEDIR);
    } else if (!IsReadOnlyMode(entry.mode)) {
      unlinkat(dir, entry.name.c_str(), 0);  // a symbolic link goes as a link
    }
  }
  closedir(listing);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  FILE* file = fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  content.clear();
  char chunk[4096];
  size_t got;
  while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
  bool ok = ferror(file) == 0;
  fclose(file);
  return ok;
}

// Replaces the file's content through a temporary file in the same folder,
// so that a failed write never leaves half a file.
bool ReplaceWholeFile(const std::string& path, std::string_view content) {
  std::string temporary = path + ".~tmp";
  FILE* file = fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = fwrite(content.data(), 1, content.size(), file) == content.size();
  ok = (fclose(file) == 0) && ok;
  if (ok && rename(temporary.c_str(), path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

std::string_view Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == text.npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

// One line of an INI file: its extent in the content (without the line
// break) and what it is.
struct IniLine {
  size_t begin, end;
  enum Kind { kOther, kSection, kKey } kind;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // the key's value, trimmed, quotes removed
};

std::vector<IniLine> ParseIni(std::string_view content) {
  std::vector<IniLine> lines;
  size_t begin = 0;
  while (begin < content.size()) {
    size_t newline = content.find('\n', begin);
    size_t next = newline == content.npos ? content.size() : newline + 1;
    size_t end = newline == content.npos ? content.size() : newline;
    if (end > begin && content[end - 1] == '\r') --end;
    IniLine line{begin, end, IniLine::kOther, {}, {}};
    std::string_view text = Trim(content.substr(begin, end - begin));
    size_t equals = text.find('=');
    if (!text.empty() && text.front() == '[') {
      size_t close = text.find(']');
      line.kind = IniLine::kSection;
      line.name = Trim(text.substr(1, close == text.npos ? text.npos : close - 1));
    } else if (equals != text.npos) {
      line.kind = IniLine::kKey;
      line.name = Trim(text.substr(0, equals));
      line.value = Trim(text.substr(equals + 1));
      if (line.value.size() >= 2 && (line.value.front() == '"' || line.value.front() == '\'') &&
          line.value.back() == line.value.front()) {
        line.value = line.value.substr(1, line.value.size() - 2);
      }
    }
    lines.push_back(line);
    begin = next;
  }
  return lines;
}

constexpr size_t kIniValueLimit = 10239;

class PosixFileSystem final : public FileSystem {
 public:
  bool FileExists(std::string_view path) override { return !SearchEntries(path).empty(); }

  bool DirectoryExists(std::string_view path) override {
    std::vector<std::string> found = SearchEntries(path);
    return !found.empty() && IsDirectoryFollow(found.front());
  }

  bool RenameFile(std::string_view from, std::string_view to) override {
    if (from.empty() || to.empty()) return false;
    return renameat2(AT_FDCWD, ToPosixPath(from).c_str(), AT_FDCWD, ToPosixPath(to).c_str(),
                     RENAME_NOREPLACE) == 0;
  }

  bool MakeDirectory(std::string_view path) override {
    return !path.empty() && mkdir(ToPosixPath(path).c_str(), 0777) == 0;
  }

  bool RemoveDirectoryTree(std::string_view path) override {
    std::string dir = ToPosixPath(path);
    bool drive_root = (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) &&
                      path[1] == ':' && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z');
    if (dir.empty() || dir == "/" || drive_root) return false;
    std::string bare = dir.back() == '/' ? dir.substr(0, dir.size() - 1) : dir;
    struct stat st;
    if (lstat(bare.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
      // A directory link goes as a link, as RemoveDirectoryA takes it.
      return IsDirectoryFollow(bare) && unlink(bare.c_str()) == 0;
    }
    int dir_fd = open(bare.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (dir_fd >= 0) EmptyDirectory(dir_fd);
    return rmdir(bare.c_str()) == 0;
  }

  std::string ReadIniValue(std::string_view file, std::string_view section,
                           std::string_view key) override {
    if (file.empty() || section.empty() || key.empty()) return {};
    std::string content;
    if (!ReadWholeFile(ToPosixPath(file), content)) return {};
    bool in_section = false;
    for (const IniLine& line : ParseIni(content)) {
      if (line.kind == IniLine::kSection) {
        in_section = SameNameIgnoringCase(line.name, section);
      } else if (in_section && line.kind == IniLine::kKey && SameNameIgnoringCase(line.name, key)) {
        return std::string(line.value.substr(0, kIniValueLimit));
      }
    }
    return {};
  }

  bool WriteIniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) override {
    if (file.empty() || section.empty() || key.empty()) return false;
    std::string path = ToPosixPath(file);
    std::string content;
    if (!ReadWholeFile(path, content)) {
      if (errno != ENOENT) return false;
      content.clear();
    } else if (IsReadOnly(path)) {
      return false;
    }

    std::string entry = std::string(key).append("=").append(value);
    std::vector<IniLine> lines = ParseIni(content);
    bool in_section = false;
    size_t insert_at = std::string::npos;  // after the section's last line
    for (const IniLine& line : lines) {
      if (line.kind == IniLine::kSection) {
        if (in_section) break;
        in_section = SameNameIgnoringCase(line.name, section);
        if (in_section) insert_at = line.end;
      } else if (in_section && line.kind == IniLine::kKey && SameNameIgnoringCase(line.name, key)) {
        content.replace(line.begin, line.end - line.begin, entry);
        return ReplaceWholeFile(path, content);
      } else if (in_section && line.begin != line.end) {
        insert_at = line.end;
      }
    }
    if (insert_at != std::string::npos) {
      content = content.substr(0, insert_at) + "\r\n" + entry + content.substr(insert_at);
    } else {
      if (!content.empty() && content.back() != '\n') content += "\r\n";
      content.append("[").append(section).append("]\r\n").append(entry).append("\r\n");
    }
    return ReplaceWholeFile(path, content);
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem file_system;
  return file_system;
}

}  // namespace vantorel
