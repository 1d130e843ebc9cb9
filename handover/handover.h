// What the saver and the viewer agree on without sharing any code at run
// time: the snapshot file's names (where its folder lies is
// snapshot_place_win32.h), what the viewer program is called beside the
// saver, and the window name by which the saver sees that the viewer still
// runs. The snapshot file's format is snapshot_bitmap.h.
#pragma once

// The snapshot's folder, made by the saver inside the account's local
// application data, and the file in it: written whole by the saver before it
// starts the viewer, read once by the viewer at its start. The saver owns the
// file and overwrites it on every run; neither program deletes it.
inline constexpr wchar_t kSnapshotFolderName[] = L"Tesselune";
inline constexpr wchar_t kSnapshotFileName[] = L"Tesselune.bmp";
// Its width and height in pixels, whatever the screen's size.
inline constexpr int kSnapshotSide = 512;

// The viewer's file name, in the saver's own folder; started without
// arguments.
inline constexpr char kViewerProgramName[] = "Tesselune.dll";

// The viewer's window name and class name, which the saver looks for with
// FindWindowA and no class name.
inline constexpr char kViewerWindowName[] = "Tesselune_VC";
