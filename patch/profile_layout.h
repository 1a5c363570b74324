// Where the client keeps an account's files, and the record of the patch.
//
// Every path is InstallDir + "\profiles\wangwang" + MemberName + suffix,
// byte for byte: no separator between "wangwang" and the member name, and
// nothing trimmed or normalised.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vantorel {

// The seven advertisement files, in the order every pass visits them.
inline constexpr std::array<std::string_view, 7> AdFileTable = {
    "chatAD.xml",    "chatBanner.xml", "friendBanner.xml", "insideAD.xml",
    "insideAD2.xml", "tribeAD.xml",    "tribeBanner.xml",
};

inline constexpr std::string_view kProfilesPart = "\\profiles\\wangwang";
inline constexpr std::string_view kBackupSuffix = ".KVTR";
inline constexpr std::string_view kMarkerFileName = "KVTR NoAD.ini";
inline constexpr std::string_view kMarkerSection = "KVTR NoAD";
inline constexpr std::string_view kMarkerKey = "NoAD";
inline constexpr std::string_view kStateClean = "1";
inline constexpr std::string_view kStatePatched = "2";

// The account whose profile folder the engine works on: the two texts as
// the edit boxes hold them.
struct Account {
  std::string_view install_dir;
  std::string_view member_name;
};

std::string ProfilePath(const Account& account, std::string_view suffix);
std::string ProfileDir(const Account& account);
std::string MarkerFile(const Account& account);
std::string AdFile(const Account& account, std::string_view file_name);
std::string BackupName(const Account& account, std::string_view file_name);
// The empty directory that stands under the advertisement file's own name.
std::string BlockerDir(const Account& account, std::string_view file_name);
// The same directory with one closing "\", the form passed for deleting it.
std::string BlockerDirForDeletion(const Account& account, std::string_view file_name);

// False when the member name cannot be the tail of a folder name: it holds
// one of \ / : * ? " < > |, a byte below 0x20, or a byte sequence that is not
// code page 936 (a lead byte 0x81 to 0xFE takes a second byte 0x40 to 0xFE
// other than 0x7F, which is never taken for one of those characters). Such a
// name could leave the profiles folder, match another account's folder as a
// wildcard, or be turned into one by the system's conversion.
bool IsUsableMemberName(std::string_view member_name);

bool ProfileExists(FileSystem& fs, const Account& account);
bool MarkerExists(FileSystem& fs, const Account& account);
std::string ReadPatchState(FileSystem& fs, const Account& account);
void WritePatchState(FileSystem& fs, const Account& account, std::string_view value);

}  // namespace vantorel
