// Path routines of the saver: what a path's folder is, and whether a file can
// be opened. Paths are bytes of the machine's ANSI code page, walked by
// character.
#pragma once

#include <string>
#include <string_view>

// The path up to its last ":" or "\", less one trailing "\"; empty when the
// path holds neither. C:\a.mp3 gives C:, \\server\share\a.mp3 \\server\share.
std::string FolderOf(std::string_view path);

// The path less one trailing "\" character.
std::string_view WithoutTrailingSeparator(std::string_view path);

// The folder of a program at modulePath as the platform reports program
// folders: no trailing separator, except that a drive's root keeps its own
// (C:\ for C:\Tesselune.scr).
std::string ProgramFolderOf(std::string_view modulePath);
