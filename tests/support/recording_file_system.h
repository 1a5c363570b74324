// File systems that stand in front of the real one in tests: one records
// each call the engine makes, one stops working after a given number of
// changes to the disk, as if the program had been cut off there.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vantorel::testing {

struct Call {
  std::string operation;
  std::vector<std::string> arguments;
  bool operator==(const Call&) const = default;
};

class RecordingFileSystem final : public FileSystem {
 public:
  explicit RecordingFileSystem(FileSystem& real) : real_(real) {}
  const std::vector<Call>& calls() const { return calls_; }

  bool FileExists(std::string_view path) override;
  bool DirectoryExists(std::string_view path) override;
  bool RenameFile(std::string_view from, std::string_view to) override;
  bool MakeDirectory(std::string_view path) override;
  bool RemoveDirectoryTree(std::string_view path) override;
  std::string ReadIniValue(std::string_view file, std::string_view section,
                           std::string_view key) override;
  bool WriteIniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) override;

 private:
  FileSystem& real_;
  std::vector<Call> calls_;
};

// Passes the first `changes` disk changes (renames, creations, deletions,
// INI writes) on to the real file system; from then on nothing reaches the
// disk, every answer is a failure and every read finds nothing.
class CutOffFileSystem final : public FileSystem {
 public:
  CutOffFileSystem(FileSystem& real, int changes) : real_(real), left_(changes) {}

  bool FileExists(std::string_view path) override;
  bool DirectoryExists(std::string_view path) override;
  bool RenameFile(std::string_view from, std::string_view to) override;
  bool MakeDirectory(std::string_view path) override;
  bool RemoveDirectoryTree(std::string_view path) override;
  std::string ReadIniValue(std::string_view file, std::string_view section,
                           std::string_view key) override;
  bool WriteIniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) override;

 private:
  bool Pass() { return left_-- > 0; }
  bool alive() const { return left_ > 0; }
  FileSystem& real_;
  int left_;
};

}  // namespace vantorel::testing
