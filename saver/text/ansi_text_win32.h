// The lead-byte rule of the machine's ANSI code page, the one in which the
// platform's "A" functions hand the saver its text.
#pragma once

// Walks all ANSI text by the machine's rule from now on; a machine whose code
// page cannot be read keeps code page 932's.
void UseMachineAnsiLeadBytes();
