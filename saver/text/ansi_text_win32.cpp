#include "ansi_text_win32.h"

#include "ansi_text.h"

#include <windows.h>

void UseMachineAnsiLeadBytes() {
    CPINFO info = {};
    if (!GetCPInfo(CP_ACP, &info)) return;
    AnsiLeadBytes rule;
    // Pairs of first and last lead byte, ended by a pair of zeros.
    for (int pair = 0; pair + 1 < MAX_LEADBYTES && info.LeadByte[pair] != 0; pair += 2) {
        rule.AddRange(info.LeadByte[pair], info.LeadByte[pair + 1]);
    }
    UseAnsiLeadBytes(rule);
}
