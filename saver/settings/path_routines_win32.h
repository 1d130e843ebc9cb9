// The path routines that ask the platform: whether a file opens, and where
// the running program and the viewer beside it lie.
#pragma once

#include <string>

// True when the file at path, less one trailing "\", opens for reading. A
// folder, a missing file and an empty path give false; nothing is reported.
bool FileExists(const std::string& path);

// The folder of the running program, as ProgramFolderOf gives it.
std::string ProgramFolder();

// Where the saver finds the viewer program: beside itself. The separator is
// always added: a saver in a drive's root, whose folder the platform gives
// as C:\, looks for a doubled separator before the name.
std::string ViewerPath();
