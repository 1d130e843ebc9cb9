// Text between wide characters and the bytes of a code page: 932 for the
// saver's own texts, CP_ACP for paths as the ANSI functions take them. The
// windows draw wide text, so Japanese shows whatever the system's ANSI code
// page. Characters the code page lacks turn into "?".
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

std::wstring WideFromBytes(UINT codePage, std::string_view text);
std::string BytesFromWide(UINT codePage, std::wstring_view text);

inline std::wstring WideFromCp932(std::string_view text) {
    return WideFromBytes(932, text);
}
