#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "bench/measure.h"
#include "bench/reference_ops.h"
#include "patch/profile_layout.h"
#include "platform/posix_path.h"

extern char** environ;

namespace vantorel::bench {
namespace {

// The engine's seven file names, as texts to compose paths with.
const std::vector<std::string> kFiles(AdFileTable.begin(), AdFileTable.end());

void WriteMarker(const std::string& marker, const char* value) {
  // The INI layer reads the file, then replaces it through a temporary one.
  char buffer[256];
  struct stat st;
  if (FILE* in = fopen(marker.c_str(), "rb")) {
    while (fread(buffer, 1, sizeof buffer, in) > 0) {
    }
    fclose(in);
    lstat(marker.c_str(), &st);
  }
  std::string temporary = marker + ".~tmp";
  if (FILE* out = fopen(temporary.c_str(), "wb")) {
    fprintf(out, "[KVTR NoAD]\r\nNoAD=%s\r\n", value);
    fclose(out);
    rename(temporary.c_str(), marker.c_str());
  }
}

// The walk the disk layer makes for a blocker: the link check on the name,
// the listing, and the removal.
void RemoveBlocker(const std::string& path) {
  struct stat st;
  lstat(path.c_str(), &st);
  if (DIR* listing = opendir(path.c_str())) {
    while (readdir(listing) != nullptr) {
    }
    closedir(listing);
  }
  rmdir(path.c_str());
}

int Spawn(const std::vector<std::string>& argv, rusage* usage) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t child;
  if (posix_spawnp(&child, args[0], nullptr, nullptr, args.data(), environ) != 0) return -1;
  int status = 0;
  wait4(child, &status, 0, usage);
  return status;
}

}  // namespace

double Seconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void BareRemoveAndRestore(const std::string& program_path) {
  const std::string dir = ToPosixPath(program_path);
  const std::string marker = dir + "/KVTR NoAD.ini";
  for (const std::string& name : kFiles) {
    renameat2(AT_FDCWD, (dir + "/" + name).c_str(), AT_FDCWD, (dir + "/" + name + ".KVTR").c_str(),
              RENAME_NOREPLACE);
  }
  for (const std::string& name : kFiles) mkdir((dir + "/" + name).c_str(), 0777);
  WriteMarker(marker, "2");
  for (const std::string& name : kFiles) RemoveBlocker(dir + "/" + name);
  for (const std::string& name : kFiles) {
    renameat2(AT_FDCWD, (dir + "/" + name + ".KVTR").c_str(), AT_FDCWD, (dir + "/" + name).c_str(),
              RENAME_NOREPLACE);
  }
  WriteMarker(marker, "1");
}

void ReferenceDeleteTree(const std::string& dir) {
  rusage usage;
  Spawn({"rm", "-rf", ToPosixPath(dir)}, &usage);
}

long ChildPeakMemoryKiB(const std::string& self, const std::string& arguments) {
  rusage usage = {};
  std::vector<std::string> argv = {self};
  size_t begin = 0;
  while (begin < arguments.size()) {
    size_t end = arguments.find(' ', begin);
    if (end == std::string::npos) end = arguments.size();
    argv.push_back(arguments.substr(begin, end - begin));
    begin = end + 1;
  }
  if (Spawn(argv, &usage) < 0) return -1;
  return usage.ru_maxrss;
}

int OwnPeakMemoryKiB() { return 0; }

void FlushFileSystem() { sync(); }

}  // namespace vantorel::bench
