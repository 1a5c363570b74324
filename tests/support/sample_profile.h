// A client installation in a temporary folder with one account folder,
// wangwangdemo, to run the engine on.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "patch/profile_layout.h"
#include "tests/support/disk.h"

namespace vantorel::testing {

// Written out here rather than taken from the engine's table, so that a
// wrong table shows.
inline const std::vector<std::string> kAdFiles = {
    "chatAD.xml",    "chatBanner.xml", "friendBanner.xml", "insideAD.xml",
    "insideAD2.xml", "tribeAD.xml",    "tribeBanner.xml"};

inline std::string Original(const std::string& name) { return "<ad file=\"" + name + "\"/>"; }

class SampleProfile {
 public:
  explicit SampleProfile(std::string member_name = "demo") : member_name_(std::move(member_name)) {
    EXPECT_TRUE(MakeFolder(root_.path() + "\\profiles"));
    EXPECT_TRUE(MakeFolder(dir()));
  }
  const std::string& root() const { return root_.path(); }
  const std::string& member_name() const { return member_name_; }
  Account account() const { return {root_.path(), member_name_}; }
  std::string dir() const { return root_.path() + "\\profiles\\wangwang" + member_name_; }
  std::string At(const std::string& name) const { return dir() + "\\" + name; }
  void SeedAll() const {
    for (const std::string& name : kAdFiles) EXPECT_TRUE(WriteFileBytes(At(name), Original(name)));
  }
  std::string State() const {
    return SystemFileSystem().ReadIniValue(At("KVTR NoAD.ini"), "KVTR NoAD", "NoAD");
  }
  // Each advertisement file's original bytes, under its own name or its
  // backup name.
  bool NothingLost() const {
    for (const std::string& name : kAdFiles) {
      if (ReadFileBytes(At(name)) != Original(name) &&
          ReadFileBytes(At(name + ".KVTR")) != Original(name)) {
        return false;
      }
    }
    return true;
  }

 private:
  TempFolder root_;
  std::string member_name_;
};

}  // namespace vantorel::testing
