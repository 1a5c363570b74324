#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "bench/measure.h"
#include "bench/reference_ops.h"
#include "patch/profile_layout.h"

namespace vantorel::bench {
namespace {

// The engine's seven file names, as texts to compose paths with.
const std::vector<std::string> kFiles(AdFileTable.begin(), AdFileTable.end());

std::string Full(const std::string& path) {
  std::string full(MAX_PATH, '\0');
  full.resize(GetFullPathNameA(path.c_str(), MAX_PATH, full.data(), nullptr));
  return full;
}

// The walk the disk layer makes for a blocker: the link check on the name,
// the listing, and the removal.
void RemoveBlocker(const std::string& name_with_slash) {
  WIN32_FIND_DATAA data;
  std::string bare = name_with_slash.substr(0, name_with_slash.size() - 1);
  HANDLE find = FindFirstFileA(bare.c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  find = FindFirstFileA((name_with_slash + "\\*.*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    while (FindNextFileA(find, &data)) {
    }
    FindClose(find);
  }
  RemoveDirectoryA(name_with_slash.c_str());
}

}  // namespace

double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void BareRemoveAndRestore(const std::string& dir) {
  const std::string marker = dir + "\\KVTR NoAD.ini";
  for (const std::string& name : kFiles) {
    MoveFileA((dir + "\\" + name).c_str(), (dir + "\\" + name + ".KVTR").c_str());
  }
  for (const std::string& name : kFiles) CreateDirectoryA((dir + "\\" + name).c_str(), nullptr);
  WritePrivateProfileStringA("KVTR NoAD", "NoAD", "2", Full(marker).c_str());
  for (const std::string& name : kFiles) RemoveBlocker(dir + "\\" + name + "\\");
  for (const std::string& name : kFiles) {
    MoveFileA((dir + "\\" + name + ".KVTR").c_str(), (dir + "\\" + name).c_str());
  }
  WritePrivateProfileStringA("KVTR NoAD", "NoAD", "1", Full(marker).c_str());
}

void ReferenceDeleteTree(const std::string& dir) {
  std::string from = dir;
  from.push_back('\0');  // the list ends with a second NUL
  SHFILEOPSTRUCTA operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationA(&operation);
}

long ChildPeakMemoryKiB(const std::string& self, const std::string& arguments) {
  std::string command = "\"" + self + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(self.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  long peak = GetExitCodeProcess(process.hProcess, &code) ? static_cast<long>(code) : -1;
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return peak;
}

void FlushFileSystem() {}

int OwnPeakMemoryKiB() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return static_cast<int>(counters.PeakWorkingSetSize / 1024);
}

}  // namespace vantorel::bench
