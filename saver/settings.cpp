#include "settings.h"

std::int16_t BgmKind = 0;
std::int16_t BgmRepeat = 0;
std::string BgmFile;
std::string BgmFolder;
