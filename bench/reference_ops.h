// What the engine's figures are measured against: the same system calls
// without the engine, and the platform's own way of deleting a tree. One
// implementation per platform, like the program's disk operations; paths
// are in the program's form ("\" separators), as the engine takes them.
#pragma once

#include <string>

namespace vantorel::bench {

// One removal and one restoration of the profile folder `dir` (seven
// advertisement files, marker "1"), made of exactly the system calls the
// engine's disk layer makes, in the same order, with the paths written out.
void BareRemoveAndRestore(const std::string& dir);

// Deletes a tree the platform's own way: rm -rf on POSIX, SHFileOperationA
// (FO_DELETE) on Windows.
void ReferenceDeleteTree(const std::string& dir);

// Writes what the file system still holds in memory to disk, so that a
// timed deletion does not also pay for the writing of the tree it deletes.
// sync() on POSIX; nothing on Windows, which has no such call for a whole
// volume short of opening it, and where the figures are the calls themselves.
void FlushFileSystem();

// Runs this program again with the given arguments and answers the child's
// peak memory in KiB: its resident set from wait4 on POSIX; on Windows, where
// a finished process no longer reports it, the exit code of a child that
// answers OwnPeakMemoryKiB.
long ChildPeakMemoryKiB(const std::string& self, const std::string& arguments);

// This process's peak working set in KiB on Windows; 0 on POSIX.
int OwnPeakMemoryKiB();

}  // namespace vantorel::bench
