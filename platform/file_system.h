// The disk operations of the patch engine. Paths are byte strings in the
// system ANSI code page with "\" as the separator, passed on exactly as the
// caller composed them: nothing is trimmed, normalised or made absolute, and
// a relative path resolves against the current directory. No operation shows
// a message; a failure shows only in the answer.
//
// The build links exactly one implementation: file_system_win32.cpp on
// Windows (kernel32's A-functions), file_system_posix.cpp elsewhere (the
// same answers for the paths the engine composes; see there for the mapping).
#pragma once

#include <string>
#include <string_view>

namespace vantorel {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when an entry of that name exists, directory or file, hidden ones
  // included. "*" and "?" in the last component are wildcards (true when any
  // entry of that folder matches); in an earlier component they make the
  // answer false. A path ending in "\" and an empty path answer false.
  // Win32: one FindFirstFileA, its handle closed at once with FindClose.
  virtual bool FileExists(std::string_view path) = 0;

  // True when a directory (not a file) stands at the path; the same rules
  // for wildcards, a closing "\" and the empty path as FileExists.
  // Win32: FindFirstFileA and the entry's FILE_ATTRIBUTE_DIRECTORY.
  virtual bool DirectoryExists(std::string_view path) = 0;

  // Moves a file or a directory to another name. Never replaces an existing
  // `to`; a missing `from` changes nothing. True when moved.
  // Win32: MoveFileA.
  virtual bool RenameFile(std::string_view from, std::string_view to) = 0;

  // Creates the last component only. An existing entry of that name, file or
  // directory, stays untouched and the answer is false; so it is under a
  // missing parent. Win32: CreateDirectoryA without security attributes.
  virtual bool MakeDirectory(std::string_view path) = 0;

  // Removes a directory with everything in it; the path may end in one "\".
  // Refuses, touching nothing, the empty path and a bare drive root ("C:",
  // "C:\"; on POSIX also "/"). Entries are removed in the order the listing
  // gives them and a failure does not stop the walk, so a read-only or
  // locked file stays, with every directory above it, and the answer is
  // false. A directory link (junction or symbolic link) is removed as a
  // link: nothing is ever deleted through one. True when the directory
  // itself was removed.
  // Win32: FindFirstFileA / FindNextFileA / FindClose, DeleteFileA,
  // RemoveDirectoryA.
  virtual bool RemoveDirectoryTree(std::string_view path) = 0;

  // The value of `key` in `section` of the INI file, or the empty text for a
  // missing file, section or key, and without asking the system when any
  // argument is empty. Values longer than 10239 bytes are cut there. Creates
  // nothing. Win32: GetPrivateProfileStringA with a 10240-byte buffer and no
  // default, on the file's full path (GetFullPathNameA), so that a relative
  // path names the same file as it does for the operations above instead of
  // one in the Windows folder.
  virtual std::string ReadIniValue(std::string_view file, std::string_view section,
                                   std::string_view key) = 0;

  // Sets the key, adding the section, the key and the file itself when they
  // are missing; never creates a missing folder (the answer is then false).
  // Win32: WritePrivateProfileStringA on the file's full path.
  virtual bool WriteIniValue(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

// The build's implementation, backed by the real file system.
FileSystem& SystemFileSystem();

}  // namespace vantorel
