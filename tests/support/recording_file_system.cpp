#include "tests/support/recording_file_system.h"

namespace vantorel::testing {

using std::string;
using std::string_view;

bool RecordingFileSystem::FileExists(string_view path) {
  calls_.push_back({"FileExists", {string(path)}});
  return real_.FileExists(path);
}

bool RecordingFileSystem::DirectoryExists(string_view path) {
  calls_.push_back({"DirectoryExists", {string(path)}});
  return real_.DirectoryExists(path);
}

bool RecordingFileSystem::RenameFile(string_view from, string_view to) {
  calls_.push_back({"RenameFile", {string(from), string(to)}});
  return real_.RenameFile(from, to);
}

bool RecordingFileSystem::MakeDirectory(string_view path) {
  calls_.push_back({"MakeDirectory", {string(path)}});
  return real_.MakeDirectory(path);
}

bool RecordingFileSystem::RemoveDirectoryTree(string_view path) {
  calls_.push_back({"RemoveDirectoryTree", {string(path)}});
  return real_.RemoveDirectoryTree(path);
}

string RecordingFileSystem::ReadIniValue(string_view file, string_view section, string_view key) {
  calls_.push_back({"ReadIniValue", {string(file), string(section), string(key)}});
  return real_.ReadIniValue(file, section, key);
}

bool RecordingFileSystem::WriteIniValue(string_view file, string_view section, string_view key,
                                        string_view value) {
  calls_.push_back({"WriteIniValue", {string(file), string(section), string(key), string(value)}});
  return real_.WriteIniValue(file, section, key, value);
}

bool CutOffFileSystem::FileExists(string_view path) { return alive() && real_.FileExists(path); }

bool CutOffFileSystem::DirectoryExists(string_view path) {
  return alive() && real_.DirectoryExists(path);
}

bool CutOffFileSystem::RenameFile(string_view from, string_view to) {
  return Pass() && real_.RenameFile(from, to);
}

bool CutOffFileSystem::MakeDirectory(string_view path) {
  return Pass() && real_.MakeDirectory(path);
}

bool CutOffFileSystem::RemoveDirectoryTree(string_view path) {
  return Pass() && real_.RemoveDirectoryTree(path);
}

string CutOffFileSystem::ReadIniValue(string_view file, string_view section, string_view key) {
  return alive() ? real_.ReadIniValue(file, section, key) : string();
}

bool CutOffFileSystem::WriteIniValue(string_view file, string_view section, string_view key,
                                     string_view value) {
  return Pass() && real_.WriteIniValue(file, section, key, value);
}

}  // namespace vantorel::testing
