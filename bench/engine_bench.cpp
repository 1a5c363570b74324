// The cost of the file work: one removal and one restoration through the
// engine against the bare system calls, and the removal of large trees
// against the platform's own deletion. Prints rows of the benchmark table.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "bench/measure.h"
#include "bench/reference_ops.h"
#include "patch/ad_procedures.h"
#include "patch/profile_layout.h"
#include "platform/file_system.h"
#include "tests/support/disk.h"
#include "tests/support/recording_file_system.h"

namespace vantorel::bench {
namespace {

// The engine's seven file names, as texts to compose paths with.
const std::vector<std::string> kFiles(AdFileTable.begin(), AdFileTable.end());

#ifdef _WIN32
constexpr const char* kLayer = "Win32 (Wine)";
#else
constexpr const char* kLayer = "POSIX";
#endif

// A fresh profile folder with the seven files and the marker at "1".
std::string LayProfile(const std::string& root, int n) {
  std::string install = root + "\\i" + std::to_string(n);
  testing::MakeFolder(install);
  testing::MakeFolder(install + "\\profiles");
  std::string dir = install + "\\profiles\\wangwangdemo";
  testing::MakeFolder(dir);
  for (const std::string& name : kFiles) testing::WriteFileBytes(dir + "\\" + name, "<ad/>");
  testing::WriteFileBytes(dir + "\\KVTR NoAD.ini", "[KVTR NoAD]\r\nNoAD=1\r\n");
  return install;
}

void RemoveAndRestore(int runs) {
  testing::TempFolder root;
  FileSystem& fs = SystemFileSystem();

  // How many calls the engine makes, and that none repeats another.
  {
    std::string install = LayProfile(root.path(), 0);
    testing::RecordingFileSystem recorder(fs);
    const Account account{install, "demo"};
    RemoveAds(recorder, account);
    RestoreAds(recorder, account);
    std::set<std::pair<std::string, std::vector<std::string>>> distinct;
    for (const testing::Call& call : recorder.calls())
      distinct.insert({call.operation, call.arguments});
    const size_t count = recorder.calls().size();
    Row("Disk operations, one removal and one restoration", kLayer,
        std::to_string(count) + " calls", "30 (7+7+1, 7+7+1)",
        std::to_string(distinct.size()) + " distinct", "= 30, none repeated",
        count == 30 && distinct.size() == count);
  }

  Samples engine, bare;
  for (int i = 1; i <= runs; ++i) {
    std::string a = LayProfile(root.path(), 2 * i);
    std::string b = LayProfile(root.path(), 2 * i + 1);
    double start = Seconds();
    RemoveAds(fs, {a, "demo"});
    RestoreAds(fs, {a, "demo"});
    engine.Add((Seconds() - start) * 1e3);
    std::string dir = b + "\\profiles\\wangwangdemo";
    start = Seconds();
    BareRemoveAndRestore(dir);
    bare.Add((Seconds() - start) * 1e3);
  }
  double ratio = engine.Median() / bare.Median();
  Row("Removal + restoration, 7 files", kLayer, Describe(engine, "ms", 3), Describe(bare, "ms", 3),
      Ratio(ratio), "<= x1.20", ratio <= 1.2);
}

// `folders` folders of 99 files each (100 entries a folder).
void LayTree(const std::string& dir, int folders) {
  testing::MakeFolder(dir);
  for (int f = 0; f < folders; ++f) {
    std::string folder = dir + "\\d" + std::to_string(f);
    testing::MakeFolder(folder);
    for (int i = 0; i < 99; ++i) testing::WriteFileBytes(folder + "\\f" + std::to_string(i), "");
  }
}

Samples TimeTreeRemoval(const std::string& root, int entries, int runs, bool reference) {
  Samples samples;
  for (int r = 0; r < runs; ++r) {
    std::string dir =
        root + "\\t" + std::to_string(entries) + (reference ? "r" : "e") + std::to_string(r);
    LayTree(dir, entries / 100);
    FlushFileSystem();
    double start = Seconds();
    if (reference) {
      ReferenceDeleteTree(dir);
    } else {
      SystemFileSystem().RemoveDirectoryTree(dir);
    }
    samples.Add((Seconds() - start) * 1e3);
    if (testing::KindOf(dir) != testing::EntryKind::kMissing)
      std::printf("(tree %s stayed)\n", dir.c_str());
  }
  return samples;
}

void TreeRemoval(int small_runs, int large_runs, int large_reference_runs,
                 const std::string& self) {
  std::printf(
      "(trees: %d runs of 10,000 entries, %d of 100,000, %d of 100,000 for the reference)\n",
      small_runs, large_runs, large_reference_runs);
  testing::TempFolder root;
#ifdef _WIN32
  const char* reference = "SHFileOperationA";
#else
  const char* reference = "rm -rf";
#endif
  Samples small = TimeTreeRemoval(root.path(), 10000, small_runs, false);
  Samples small_ref = TimeTreeRemoval(root.path(), 10000, small_runs, true);
  Samples large = TimeTreeRemoval(root.path(), 100000, large_runs, false);
  Samples large_ref = TimeTreeRemoval(root.path(), 100000, large_reference_runs, true);
  double r1 = small.Median() / small_ref.Median(), r2 = large.Median() / large_ref.Median();
  Row("RemoveDirectoryTree, 10,000 entries", kLayer, Describe(small, "ms", 1),
      std::string(reference) + ": " + Describe(small_ref, "ms", 1), Ratio(r1), "<= x1.30",
      r1 <= 1.3);
  Row("RemoveDirectoryTree, 100,000 entries", kLayer, Describe(large, "ms", 1),
      std::string(reference) + ": " + Describe(large_ref, "ms", 1), Ratio(r2), "<= x1.30",
      r2 <= 1.3);
  // The reference's own growth stands beside it: how the file system itself
  // scales from the one tree to the other.
  double growth = large.Median() / small.Median();
  double reference_growth = large_ref.Median() / small_ref.Median();
  Row("RemoveDirectoryTree, growth 10,000 -> 100,000", kLayer, Ratio(growth),
      std::string(reference) + ": " + Ratio(reference_growth),
      Ratio(growth / reference_growth) + " of the reference's", "<= x11", growth <= 11);

  // Peak memory of a process that removes a chain of folders, shallow and deep.
  auto chain = [&](int depth) {
    std::string dir = root.path() + "\\c" + std::to_string(depth);
    std::string at = dir;
    testing::MakeFolder(at);
    for (int d = 0; d < depth; ++d) {
      at += "\\d";
      testing::MakeFolder(at);
      for (int i = 0; i < 3; ++i) testing::WriteFileBytes(at + "\\" + std::to_string(i), "");
    }
    return ChildPeakMemoryKiB(self, "--remove-tree " + dir);
  };
  long shallow = chain(5), deep = chain(100);
  Row("RemoveDirectoryTree, peak memory by depth", kLayer,
      "depth 100: " + std::to_string(deep) + " KiB", "depth 5: " + std::to_string(shallow) + " KiB",
      (deep >= shallow ? "+" : "") + std::to_string(deep - shallow) + " KiB", "about the same",
      deep - shallow < 512);
}

}  // namespace
}  // namespace vantorel::bench

int main(int argc, char** argv) {
  using namespace vantorel;
  const std::string mode = argc > 1 ? argv[1] : "";
  if (argc == 3 && mode == "--remove-tree") {
    SystemFileSystem().RemoveDirectoryTree(argv[2]);
    return bench::OwnPeakMemoryKiB();
  }
  // Under Wine, SHFileOperationA needs about 25 s for 10,000 entries and
  // four minutes for 100,000, so the tree figures there take fewer runs.
#ifdef _WIN32
  int runs = 25, tree_runs = 5, large_tree_runs = 3, large_reference_runs = 1;
#else
  int runs = 25, tree_runs = 21, large_tree_runs = 21, large_reference_runs = 21;
#endif
  if (const char* quick = std::getenv("VANTOREL_BENCH_QUICK")) {
    runs = tree_runs = large_tree_runs = large_reference_runs =
        std::atoi(quick) > 0 ? std::atoi(quick) : 3;
  }
  if (mode != "--trees") bench::RemoveAndRestore(runs);
  if (mode != "--procedures") {
    bench::TreeRemoval(tree_runs, large_tree_runs, large_reference_runs, argv[0]);
  }
  return 0;
}
