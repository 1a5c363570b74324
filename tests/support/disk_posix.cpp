#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/posix_path.h"
#include "tests/support/disk.h"

namespace vantorel::testing {

TempFolder::TempFolder() {
  const char* tmp = getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vantorel-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) abort();
  path_ = pattern;
}

TempFolder::~TempFolder() { RemoveAll(path_); }

EntryKind KindOf(std::string_view path) {
  struct stat st;
  if (stat(ToPosixPath(path).c_str(), &st) != 0) return EntryKind::kMissing;
  return S_ISDIR(st.st_mode) ? EntryKind::kDirectory : EntryKind::kFile;
}

bool WriteFileBytes(std::string_view path, std::string_view bytes) {
  FILE* file = fopen(ToPosixPath(path).c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return fclose(file) == 0 && ok;
}

std::optional<std::string> ReadFileBytes(std::string_view path) {
  if (KindOf(path) != EntryKind::kFile) return std::nullopt;
  FILE* file = fopen(ToPosixPath(path).c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  size_t got;
  while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  fclose(file);
  return bytes;
}

bool MakeFolder(std::string_view path) { return mkdir(ToPosixPath(path).c_str(), 0777) == 0; }

std::vector<std::string> ListNames(std::string_view dir) {
  std::vector<std::string> names;
  if (DIR* listing = opendir(ToPosixPath(dir).c_str())) {
    while (dirent* entry = readdir(listing)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(listing);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void SetReadOnly(std::string_view path, bool read_only) {
  chmod(ToPosixPath(path).c_str(), read_only ? 0444 : 0644);
}

bool MakeDirectoryLink(std::string_view link, std::string_view target, std::string& why_not) {
  if (symlink(ToPosixPath(target).c_str(), ToPosixPath(link).c_str()) == 0) return true;
  why_not = "symlink() failed";
  return false;
}

std::string CurrentFolder() {
  char* cwd = getcwd(nullptr, 0);
  std::string path = cwd ? cwd : "";
  free(cwd);
  return path;
}

bool ChangeFolder(std::string_view path) { return chdir(ToPosixPath(path).c_str()) == 0; }

void RemoveAll(std::string_view path) {
  std::string posix = ToPosixPath(path);
  struct stat st;
  if (lstat(posix.c_str(), &st) != 0) return;
  if (!S_ISDIR(st.st_mode)) {
    unlink(posix.c_str());
    return;
  }
  for (const std::string& name : ListNames(path)) RemoveAll(posix + "/" + name);
  rmdir(posix.c_str());
}

}  // namespace vantorel::testing

#include <iconv.h>

namespace vantorel::testing {

std::string Cp936ToUtf8(std::string_view bytes) {
  iconv_t convert = iconv_open("UTF-8", "CP936");
  if (convert == reinterpret_cast<iconv_t>(-1)) return "<no iconv>";
  std::string in(bytes), out(bytes.size() * 4 + 4, '\0');
  char* in_at = in.data();
  char* out_at = out.data();
  size_t in_left = in.size(), out_left = out.size();
  size_t done = iconv(convert, &in_at, &in_left, &out_at, &out_left);
  iconv_close(convert);
  if (done == static_cast<size_t>(-1)) return "<not code page 936>";
  out.resize(out.size() - out_left);
  return out;
}

FileLock::FileLock(std::string_view) {}
FileLock::~FileLock() {}

}  // namespace vantorel::testing
