// Where the snapshot lies, asked of Windows the same way by the saver, which
// writes it, and the viewer, which reads it: in a folder of its own inside
// the account's local application data. Windows gives no other standard
// account any access there, so the photograph of one account's screen is
// that account's alone, and no other account can block, replace or steer it.
#pragma once

#include <string>

// The snapshot's folder; empty when Windows names no local application-data
// folder for this account. Wide throughout: the profile's path holds the
// user's name, which the machine's ANSI code page need not spell.
std::wstring SnapshotFolder();

// The snapshot file in that folder; empty as the folder is.
std::wstring SnapshotPath();
