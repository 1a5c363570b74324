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

// Whether every entry reached the procedure's end state: after a removal, a
// directory stands under each advertisement file's name (a file that was
// never there ends blocked too); after a restoration, no directory stands
// under any of the names and no backup is left.
bool IsRemovalComplete(FileSystem& fs, const Account& account);
bool IsRestorationComplete(FileSystem& fs, const Account& account);

}  // namespace vantorel
