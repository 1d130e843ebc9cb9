// Where the saver finds the viewer program: beside itself.
#pragma once

#include "path_routines.h"

#include <string>

// The separator is always added: a saver in a drive's root, whose folder the
// platform gives as C:\, looks for a doubled separator before the name.
inline std::string ViewerPath() {
    return ProgramFolder() + "\\Tesselune.dll";
}
