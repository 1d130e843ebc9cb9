// Who owns a file or folder and who may open it, read back the way Windows
// keeps it: its owner and the allowing entries of its DACL.
#pragma once

#include <string>
#include <vector>

struct AccessEntry {
    std::string sid;  // in its S-1-... form
    unsigned long mask;
};

struct FileSecurity {
    bool read = false;  // the descriptor could be read
    std::string owner;  // in its S-1-... form
    std::vector<AccessEntry> allowed;
};

FileSecurity ReadFileSecurity(const std::string& path);

// A SID in its S-1-... form; "?" when it cannot be written so.
std::string SidText(void* sid);

// True when an entry lets Everyone, Users or Authenticated Users read.
bool OthersMayRead(const FileSecurity& security);

// Gives path open permissions like those a folder at the root of drive C
// hands down: Everyone may read, this account do anything. False when that
// failed.
bool OpenToEveryone(const std::string& path);
