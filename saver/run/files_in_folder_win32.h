// Files inside a folder that is held open, reached by name from the folder's
// handle, never by a path: whatever the folder's path comes to lead to
// meanwhile (a junction, another folder), what is opened, made and renamed is
// in the folder that was opened and checked.
#pragma once

#include "file_handle_win32.h"

#include <windows.h>

#include <string>

// Opens the file name in folder for access alone, without following a
// reparse point; empty when it is not there or may not be opened so.
FileHandle OpenInFolder(HANDLE folder, const std::wstring& name, ACCESS_MASK access);

// Makes the new file name in folder with the security descriptor given,
// open for writing and deletion and shared with no one; empty when the name
// is taken or the file could not be made. A file that is there already is
// never opened.
FileHandle MakeInFolder(HANDLE folder, const std::wstring& name, SECURITY_DESCRIPTOR* security);

// Renames the open file to name in folder in one step, in place of any file
// there; false when it failed. The file keeps its own permissions.
bool MoveIntoFolder(HANDLE file, HANDLE folder, const std::wstring& name);
