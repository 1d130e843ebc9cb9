// Files and folders that only this account and the system may open. The
// snapshot is a photograph of whatever was on the screen: on a shared PC no
// other account may read it, and a run must not leave half of one behind.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// Makes the folder with a protected DACL that grants this account and SYSTEM
// full access, handed down to what is made inside it. A folder that is there
// already and belongs to this account gets the same DACL; another account's
// folder is left alone. False when the folder is not there afterwards.
bool MakePrivateFolder(const char* path);

// How the bytes of a new file are written; false when they were not all
// written. The seam through which a test makes a write fail half-way.
using FileWriter = bool (*)(HANDLE file, const std::uint8_t* bytes, std::size_t size);
bool WriteWholly(HANDLE file, const std::uint8_t* bytes, std::size_t size);

// Puts a private file holding bytes at path, whole or not at all: the bytes
// go into a new private file beside it, which then takes the place of any
// earlier file in one step, its permissions with it. On any failure the
// earlier file stays as it was, nothing else is left behind, and the result
// is false.
bool ReplaceWithPrivateFile(const char* path, const std::vector<std::uint8_t>& bytes,
                            FileWriter write = WriteWholly);
