// The running program's command line.
#pragma once

#include <string>

// The running program's argument string, read afresh from its command line.
std::string ArgumentString();
