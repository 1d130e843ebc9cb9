#include "command_line_win32.h"

#include "command_line.h"

#include <windows.h>

std::string ArgumentString() {
    return std::string(ArgumentsOf(GetCommandLineA()));
}
