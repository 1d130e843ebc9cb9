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
// that DACL and this account's user as its owner, or, when it is there
// already and owned by this account, given it, once a junction or symbolic
// link that another account made of it is taken off. Another account's
// folder, a reparse point on it and a file are left as they are. True when
// the folder is afterwards this account's drop box.
bool MakeDropBox(const char* path);

// How the bytes of a new file are written; false when they were not all
// written. The seam through which a test makes a write fail half-way.
using FileWriter = bool (*)(HANDLE file, const std::uint8_t* bytes, std::size_t size);
bool WriteWholly(HANDLE file, const std::uint8_t* bytes, std::size_t size);

// Puts a private file holding bytes at path, whole or not at all: the bytes
// go into a new private file beside it, which then takes the place of any
// earlier file in one step, its permissions with it. The folder is held open
// from the start, and everything in it is done through its handle, never by
// path. Nothing is written unless it is a plain folder, not a reparse point
// (this account's own is first taken back from a link another account made
// of it, as MakeDropBox does). Leftover temporary files beside path are
// deleted first, whoever left them. On any failure the earlier file stays as
// it was, nothing else is left behind, and the result is false.
bool ReplaceWithPrivateFile(const char* path, const std::vector<std::uint8_t>& bytes,
                            FileWriter write = WriteWholly);
