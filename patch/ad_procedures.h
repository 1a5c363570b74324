// Applying the patch to one account's profile folder, and reverting it.
// Neither checks anything first nor tests a result; the caller has made its
// checks (the folder exists, the recorded state allows the step).
#pragma once

#include "patch/profile_layout.h"
#include "platform/file_system.h"

namespace vantorel {

// Seven renames to the backup names, then seven blocking directories under
// the freed names, then the state "2".
void RemoveAds(FileSystem& fs, const Account& account);

// Seven blocking directories removed, then seven backups moved back, then
// the state "1".
void RestoreAds(FileSystem& fs, const Account& account);

}  // namespace vantorel
