// The snapshot's folder and file in the account's own profile (see
// snapshot_place_win32.h). A run must never leave half a photograph behind:
// the viewer would show it, or reject it and show none.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Makes the snapshot's folder when it is not there yet. It takes the
// permissions of the profile around it, which give this account, SYSTEM and
// Administrators access and no one else: no descriptor of the saver's own.
void MakeSnapshotFolder();

// How the bytes of a new file are written; false when they were not all
// written. The seam through which a test makes a write fail half-way.
using FileWriter = bool (*)(HANDLE file, const std::uint8_t* bytes, std::size_t size);
bool WriteWholly(HANDLE file, const std::uint8_t* bytes, std::size_t size);

// The temporary file beside path that a new file is written to first.
std::wstring TemporaryPathOf(const std::wstring& path);

// Puts a file holding bytes at path, whole or not at all: the bytes go into
// the temporary file beside it (in place of one that a cut run left there),
// which then takes the place of any earlier file in one step. On any failure
// the earlier file stays as it was, the temporary file is gone, and the
// result is false.
bool ReplaceFileWhole(const std::wstring& path, const std::vector<std::uint8_t>& bytes,
                      FileWriter write = WriteWholly);
