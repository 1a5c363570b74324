#include "tests/support/disk.h"

namespace vantorel::testing {

namespace {
void Walk(const std::string& dir, const std::string& prefix,
          std::map<std::string, std::string>& entries) {
  for (const std::string& name : ListNames(dir)) {
    std::string path = dir + "\\" + name;
    std::string relative = prefix + name;
    if (KindOf(path) == EntryKind::kDirectory) {
      entries[relative] = "<dir>";
      Walk(path, relative + "\\", entries);
    } else {
      entries[relative] = ReadFileBytes(path).value_or("<unreadable>");
    }
  }
}
}  // namespace

std::map<std::string, std::string> Snapshot(std::string_view dir) {
  std::map<std::string, std::string> entries;
  Walk(std::string(dir), "", entries);
  return entries;
}

}  // namespace vantorel::testing
