#include "command_window_win32.h"

#include "command_skin_bitmaps_win32.h"
#include "deferred_imports_win32.h"
#include "dpi_scale.h"
#include "face_gradient.h"
#include "screen_dpi_win32.h"
#include "wide_text_win32.h"

#include <windowsx.h>

#include <cmath>
#include <cstddef>

namespace {

constexpr char kCommandClassName[] = "Tesselune.Command";
constexpr UINT_PTR kTmrMouseId = 1;

// LblMsg as designed, in twips: its line height, and its place before the
// first draw moves it.
constexpr std::int16_t kCaptionHeight = 195;
constexpr std::int16_t kDesignCaptionTop = 90;
constexpr std::int16_t kDesignCaptionWidth = 1635;

constexpr UINT kCaptionFormat = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOCLIP;

// A caption colour as 0x00BBGGRR; with the top bit set, the low byte names
// a system colour instead.
COLORREF ColourOf(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    if (bits & 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFFu));
    return bits & 0xFFFFFFu;
}

void ClearFace(HDC dc, int width, int height) {
    const RECT all = {0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
}

void FillGradient(HDC dc, bool InvertGradient, int width, int height) {
    const FaceGradient gradient = ComputeFaceGradient(InvertGradient, width, height);
    TRIVERTEX vertices[2] = {};
    for (std::size_t i = 0; i < gradient.GradientVertices.size(); ++i) {
        const GradientVertex& vertex = gradient.GradientVertices[i];
        vertices[i].x = vertex.x;
        vertices[i].y = vertex.y;
        vertices[i].Red = vertex.colour.red;
        vertices[i].Green = vertex.colour.green;
        vertices[i].Blue = vertex.colour.blue;
        vertices[i].Alpha = vertex.colour.alpha;
    }
    GRADIENT_RECT rectangle = {gradient.GradientRect.UpperLeft, gradient.GradientRect.LowerRight};
    deferred::GradientFill(dc, vertices, 2, &rectangle, 1, GRADIENT_FILL_RECT_V);
}

}  // namespace

CommandWindow::CommandWindow() : dpi_(ScreenDpi()), control_(*this) {
    const CommandFields& fields = control_.Fields();
    LblMsg_.place = {0, TwipsToPixels(kDesignCaptionTop, dpi_),
                     TwipsToPixels(kDesignCaptionWidth, dpi_),
                     TwipsToPixels(kDesignCaptionTop + kCaptionHeight, dpi_)};
    LblMsg_.text = WideFromCp932(fields.Caption);
    LblMsg_.colour = fields.FontColour;
    LblMsg_.font = std::make_unique<CaptionFont>(fields.Font);
}

CommandWindow::~CommandWindow() = default;

bool CommandWindow::Create(HINSTANCE instance, HWND parent, int x, int y, int width, int height,
                           const PropertyStore& stored) {
    instance_ = instance;
    if (!FormWindow::Create(instance, kCommandClassName, "", WS_CHILD, parent)) return false;
    control_.ReadProperties(stored);
    // The size change draws the look the loaded instance has, enabled or
    // not, before the control shows.
    MoveWindow(Handle(), x, y, width, height, FALSE);
    ShowWindow(Handle(), SW_SHOWNA);
    return true;
}

LRESULT CommandWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            control_.FocusGained();
            if (GotFocus) GotFocus();
            return 0;
        case WM_KILLFOCUS:
            control_.FocusLost();
            return 0;
        case WM_MOUSEMOVE:
            // NOTE: while a button holds the capture, moves arrive from
            // anywhere; only those over the control are hover.
            if (PointInside(lParam)) control_.MouseMove();
            return 0;
        case WM_LBUTTONDOWN:
            // NOTE: the focus first, so that a press on a hovered button
            // without the focus reaches HighLightSelect with the Pressed
            // frame; the capture lets the release reach the control
            // wherever it happens.
            SetFocus(Handle());
            SetCapture(Handle());
            control_.MouseDown(MouseButton::Left);
            return 0;
        case WM_RBUTTONDOWN:
            SetCapture(Handle());
            control_.MouseDown(MouseButton::Right);
            return 0;
        case WM_MBUTTONDOWN:
            SetCapture(Handle());
            control_.MouseDown(MouseButton::Middle);
            return 0;
        case WM_LBUTTONUP:
            ButtonReleased(MouseButton::Left, wParam, lParam);
            return 0;
        case WM_RBUTTONUP:
            ButtonReleased(MouseButton::Right, wParam, lParam);
            return 0;
        case WM_MBUTTONUP:
            ButtonReleased(MouseButton::Middle, wParam, lParam);
            return 0;
        case WM_SIZE:
            control_.Resized();
            return 0;
        default:
            return FormWindow::OnMessage(message, wParam, lParam);
    }
}

// NOTE: the release may raise Click, from which the host may destroy the
// control: nothing touches it after MouseUp.
void CommandWindow::ButtonReleased(MouseButton button, WPARAM heldButtons, LPARAM point) {
    constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
    if (!(heldButtons & kAnyButton) && GetCapture() == Handle()) ReleaseCapture();
    control_.MouseUp(button, PointInside(point));
}

bool CommandWindow::PointInside(LPARAM point) const {
    RECT client = {};
    GetClientRect(Handle(), &client);
    return PtInRect(&client, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}) != FALSE;
}

// The pointer counts as over the control only when its own window is the
// one under it; the parent around it is outside.
void CommandWindow::OnTimer(UINT_PTR id) {
    if (!TmrMouse_ || id != TmrMouse_->Id()) return;
    POINT pointer = {};
    const bool over = GetCursorPos(&pointer) && WindowFromPoint(pointer) == Handle();
    control_.TmrMouse_Timer(over);
}

void CommandWindow::OnPaint(HDC dc) {
    HDC canvas = canvas_.Dc();
    if (!canvas) return;
    const int width = canvas_.Width();
    const int height = canvas_.Height();
    if (opaque_) {
        BitBlt(canvas, 0, 0, width, height, face_.Dc(), 0, 0, SRCCOPY);
    } else {
        ClearFace(canvas, width, height);
        PrintParent(canvas);
    }
    DrawCaption(canvas);
    BitBlt(dc, 0, 0, width, height, canvas, 0, 0, SRCCOPY);
}

// The parent's client area as it lies behind the control.
void CommandWindow::PrintParent(HDC dc) const {
    HWND parent = GetParent(Handle());
    if (!parent) return;
    POINT place = {0, 0};
    MapWindowPoints(Handle(), parent, &place, 1);
    POINT formerOrigin = {};
    OffsetViewportOrgEx(dc, -place.x, -place.y, &formerOrigin);
    // NOTE: WM_PRINT, so that a parent that leaves its background to the
    // default handling shows its class brush too.
    SendMessageW(parent, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND | PRF_CLIENT);
    SetViewportOrgEx(dc, formerOrigin.x, formerOrigin.y, nullptr);
}

void CommandWindow::DrawCaption(HDC dc) const {
    if (LblMsg_.text.empty()) return;
    HGDIOBJ font = LblMsg_.font->Handle();
    if (!font) font = GetStockObject(DEFAULT_GUI_FONT);
    const HGDIOBJ formerFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(LblMsg_.text.size());
    RECT place = LblMsg_.place;
    if (LblMsg_.enabled) {
        SetTextColor(dc, ColourOf(LblMsg_.colour));
        DrawTextW(dc, LblMsg_.text.c_str(), length, &place, kCaptionFormat);
    } else {
        // Embossed like a disabled standard label: a light copy one pixel
        // down and right under the grey text.
        OffsetRect(&place, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, LblMsg_.text.c_str(), length, &place, kCaptionFormat);
        OffsetRect(&place, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
        DrawTextW(dc, LblMsg_.text.c_str(), length, &place, kCaptionFormat);
    }
    SelectObject(dc, formerFont);
}

void CommandWindow::DrawSkin(CommandSkin skin, bool InvertGradient) {
    RECT client = {};
    GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    if (face_.Width() != width || face_.Height() != height || !face_.Dc()) {
        face_.Resize(width, height, true);
        canvas_.Resize(width, height, true);
    }
    if (HDC dc = face_.Dc()) {
        ClearFace(dc, width, height);
        FillGradient(dc, InvertGradient, width, height);
        const auto widthTwips = PixelsToTwips(width, dpi_);
        const auto heightTwips = PixelsToTwips(height, dpi_);
        const auto layout = widthTwips && heightTwips
                                ? ComputeFrameLayout(*widthTwips, *heightTwips)
                                : std::nullopt;
        if (layout) CopyFrame(dc, skin, *layout);
    }
    PlaceCaption(width, height);
    Invalidate();
    if (Handle()) UpdateWindow(Handle());
}

// The skins are drawn for 96 dpi: their pieces are cut at that scale and
// placed at the screen's, stretched with halftone where the two differ.
void CommandWindow::CopyFrame(HDC dc, CommandSkin skin, const FrameLayout& layout) const {
    HDC source = CommandSkinBitmaps::Loaded(instance_).Of(skin).Dc();
    if (!source) return;
    SetStretchBltMode(dc, dpi_ == kDesignDpi ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    for (const FramePiece& piece : layout) {
        StretchBlt(dc, TwipsToPixels(piece.x, dpi_), TwipsToPixels(piece.y, dpi_),
                   TwipsToPixels(piece.width, dpi_), TwipsToPixels(piece.height, dpi_), source,
                   TwipsToPixels(piece.sourceX, kDesignDpi),
                   TwipsToPixels(piece.sourceY, kDesignDpi),
                   TwipsToPixels(piece.sourceWidth, kDesignDpi),
                   TwipsToPixels(piece.sourceHeight, kDesignDpi), SRCCOPY);
    }
}

// Across the whole width, a little above the middle.
void CommandWindow::PlaceCaption(int width, int height) {
    const auto heightTwips = PixelsToTwips(height, dpi_);
    if (!heightTwips) return;
    const double top = CaptionTop(*heightTwips, kCaptionHeight);
    const std::int32_t topPixels = TwipsToPixels(static_cast<std::int16_t>(std::lround(top)), dpi_);
    LblMsg_.place = {0, topPixels, width, topPixels + TwipsToPixels(kCaptionHeight, dpi_)};
}

void CommandWindow::Invalidate() {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void CommandWindow::ShowBackStyle(bool opaque) {
    opaque_ = opaque;
    Invalidate();
}

void CommandWindow::ShowCaptionEnabled(bool enabled) {
    LblMsg_.enabled = enabled;
    Invalidate();
}

// The window's text is the caption too, which a screen reader names it by.
void CommandWindow::ShowCaption(const std::string& text) {
    LblMsg_.text = WideFromCp932(text);
    if (Handle()) SetWindowTextW(Handle(), LblMsg_.text.c_str());
    Invalidate();
}

void CommandWindow::ShowFontColour(std::int32_t colour) {
    LblMsg_.colour = colour;
    Invalidate();
}

void CommandWindow::ShowFont(const StoredFont& font) {
    LblMsg_.font = std::make_unique<CaptionFont>(font);
    Invalidate();
}

void CommandWindow::StartMouseTimer(std::uint32_t intervalMilliseconds) {
    TmrMouse_.emplace(kTmrMouseId, intervalMilliseconds);
    TmrMouse_->Attach(Handle());
    TmrMouse_->SetEnabled(true);
}

void CommandWindow::RaiseClick() {
    // NOTE: called through a copy: the host may destroy this control, and
    // its Click with it, from inside the handler.
    const std::function<void()> click = Click;
    if (click) click();
}

// The control's layout is fixed at run time; there is nothing to save again.
void CommandWindow::PropertyChanged(std::string_view) {}

StoredFont CommandWindow::AmbientFont() const {
    return MsPGothicFont();
}
