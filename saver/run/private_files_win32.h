// The snapshot's folder and the private files in it. The snapshot is a
// photograph of whatever was on the screen: every account of a shared PC
// puts its own into the one folder, no other account may read it, and a run
// must not leave half of one behind.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// Makes the folder a drop box (see snapshot_security_win32.h): made with
// that DACL, or, when it is there already, a plain folder and owned by this
// account, given it. Another account's folder, a reparse point and a file
// are left as they are. True when the folder is afterwards this account's
// drop box.
bool MakeDropBox(const char* path);

// How the bytes of a new file are written; false when they were not all
// written. The seam through which a test makes a write fail half-way.
using FileWriter = bool (*)(HANDLE file, const std::uint8_t* bytes, std::size_t size);
bool WriteWholly(HANDLE file, const std::uint8_t* bytes, std::size_t size);

// Puts a private file holding bytes at path, whole or not at all: the bytes
// go into a new private file beside it, which then takes the place of any
// earlier file in one step, its permissions with it. Nothing is written
// unless the folder is a plain folder, not a reparse point. Leftover
// temporary files beside path are deleted first, whoever left them. On any
// failure the earlier file stays as it was, nothing else is left behind,
// and the result is false.
bool ReplaceWithPrivateFile(const char* path, const std::vector<std::uint8_t>& bytes,
                            FileWriter write = WriteWholly);
