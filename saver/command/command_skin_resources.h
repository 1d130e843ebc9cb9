// Identifiers of the Command button's six skin bitmaps, shared by their
// resource script and the code that loads them.
#pragma once

#define IDB_COMMAND_NORMAL 201
#define IDB_COMMAND_HIGHLIGHT 202
#define IDB_COMMAND_SELECTED 203
#define IDB_COMMAND_HIGHLIGHTSELECT 204
#define IDB_COMMAND_PRESSED 205
#define IDB_COMMAND_DISABLE 206
