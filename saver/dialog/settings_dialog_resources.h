// Identifiers of the settings dialog's pictures and cursor, shared by its
// resource script and its code.
#pragma once

#define IDB_STRIP 301
#define IDB_RADIO_OFF 302
#define IDB_RADIO_ON 303
#define IDC_POINTING_HAND 304
