// The run's screen in physical pixels on every monitor. The saver is
// system-DPI-aware, so that the settings dialog is scaled as one piece; but
// where monitors differ in scale, or the scale was changed without signing
// out, Windows then gives a system-aware program screen sizes scaled to the
// system's DPI while the screen's device context stays in physical pixels.
// A capture would miss part of the screen, and the cover leave gaps.
#pragma once

#include <windows.h>

class PerMonitorDpiScope {
  public:
    // Makes this thread per-monitor DPI aware (v2) where Windows can (Windows
    // 10 from 1703 on); elsewhere the thread stays as it was. Windows made
    // meanwhile stay per-monitor aware for their whole life: Windows switches
    // the thread to a window's awareness whenever it calls its procedure.
    PerMonitorDpiScope();
    // Gives the thread its former awareness back.
    ~PerMonitorDpiScope();
    PerMonitorDpiScope(const PerMonitorDpiScope&) = delete;
    PerMonitorDpiScope& operator=(const PerMonitorDpiScope&) = delete;

  private:
    DPI_AWARENESS_CONTEXT former_ = nullptr;
};
