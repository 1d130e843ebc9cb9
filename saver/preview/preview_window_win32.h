// The preview window Tesselune_R: a fixed picture over black inside the
// display settings' preview box. It does not move and ignores all input.
#pragma once

#include "dpi_scale.h"
#include "form_window_win32.h"
#include "still_picture_win32.h"

inline constexpr char kPreviewWindowName[] = "Preview Window";

// Img_Prev: draws its picture at the screen's scale from its top-left
// corner, clipped to its bounds; elsewhere it lets its window's picture show
// through.
class ImageControl final : public FormWindow {
  public:
    bool Load(HINSTANCE instance, HWND owner, int resourceId, int dpi);

  protected:
    void OnPaint(HDC dc) override;

  private:
    StillPicture picture_;
    int dpi_ = kDesignDpi;
};

class PreviewWindow final : public FormWindow {
  public:
    // Creates the window and Img_Prev, not shown; false when the window
    // cannot be made. A still that does not decode is left out.
    bool Load(HINSTANCE instance);
    HWND Img_Prev() const { return image_.Handle(); }

  protected:
    void OnPaint(HDC dc) override;
    // The box unloaded the window: close the owner, and with no window left
    // the program ends.
    void OnUnload() override;

  private:
    StillPicture background_;
    ImageControl image_;
    int dpi_ = kDesignDpi;
};

// Makes the loaded preview a child of the preview box host, places it and
// Img_Prev at (0, 0) with the given size, and shows it, not modal.
void ShowPreviewIn(PreviewWindow& preview, HWND host, int width, int height);
