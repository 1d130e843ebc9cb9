// What the saver and the viewer agree on without sharing any code at run
// time: where the snapshot file lies, what the viewer program is called
// beside the saver, and the window name by which the saver sees that the
// viewer still runs. The snapshot file's format is snapshot_bitmap.h.
#pragma once

// Made by the saver: every account may put a file into it, only its maker
// may list it.
inline constexpr char kSnapshotFolder[] = "C:\\t_olva";
// Written whole by the saver before it starts the viewer, readable by the
// account that runs them only; read once by the viewer at its start.
inline constexpr char kSnapshotPath[] = "C:\\t_olva\\Tesselune.bmp";
// Its width and height in pixels, whatever the screen's size.
inline constexpr int kSnapshotSide = 512;

// The viewer's file name, in the saver's own folder; started without
// arguments.
inline constexpr char kViewerProgramName[] = "Tesselune.dll";

// The viewer's window name and class name, which the saver looks for with
// FindWindowA and no class name.
inline constexpr char kViewerWindowName[] = "Tesselune_VC";
