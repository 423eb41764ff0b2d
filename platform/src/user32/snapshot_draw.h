// Internal: the drawing of a window snapshot: an SVG canvas in integer pixels, and the picture
// of each kind of control.
#pragma once

#include <string>
#include <string_view>

#include "user32/snapshot_text.h"
#include "vkshost.h"
#include "windows.h"

namespace vks::detail {

// The classic three-dimensional look.
namespace snapshot_colour {
constexpr std::string_view kFace = "#f0f0f0";
constexpr std::string_view kHighlight = "#ffffff";
constexpr std::string_view kShadow = "#a0a0a0";
constexpr std::string_view kDarkShadow = "#696969";
constexpr std::string_view kText = "#000000";
constexpr std::string_view kGrayText = "#a0a0a0";
constexpr std::string_view kCaption = "#0a246a";
constexpr std::string_view kCaptionText = "#ffffff";
}  // namespace snapshot_colour

// Elements in the order they are drawn, each on its own line; the same calls give the same
// bytes.
class SvgCanvas {
public:
    void rect(int x, int y, int width, int height, std::string_view fill,
              std::string_view stroke = "none", std::string_view extra = {});
    void line(int x1, int y1, int x2, int y2, std::string_view stroke,
              std::string_view extra = {});
    void path(std::string_view d, std::string_view fill, std::string_view stroke = "none");
    // `anchor`: start, middle or end; y is the baseline.
    void text(int x, int y, const SnapshotText &text, std::string_view anchor,
              std::string_view fill);
    void openGroup(std::string_view attributes);
    void closeGroup();

    // A raised (or, sunken, pressed-in) edge around the rectangle, two pixels deep.
    void edge(const RECT &r, bool sunken);
    // The dotted rectangle that marks the focus.
    void focusMark(const RECT &r);

    // The whole document.
    std::string document(int width, int height) const;

private:
    std::string body_;
};

// What a control's picture needs to know about it.
struct ControlView {
    HWND hwnd;
    RECT rect;  // in the snapshot's pixels
    DWORD style;
    std::string text;  // ANSI, as the window holds it
    bool enabled;
    bool focused;
};

// Each draws the control with its focus and enabled state.
void drawEdit(SvgCanvas &canvas, const ControlView &control);
void drawStatic(SvgCanvas &canvas, const ControlView &control);
void drawButton(SvgCanvas &canvas, const ControlView &control);
void drawListBox(SvgCanvas &canvas, const ControlView &control);
void drawComboBox(SvgCanvas &canvas, const ControlView &control);
// A class the snapshot does not know: an outline with its class name.
void drawUnknown(SvgCanvas &canvas, const ControlView &control, std::string_view className);

// The libraries above user32 give the pictures of their own controls' classes, and of the
// images their image lists draw, as they load (the common controls do).
using ControlPicture = void (*)(SvgCanvas &canvas, const ControlView &control);
void addControlPicture(const char *className, ControlPicture draw);
// Draws a VKS_DRAWN_IMAGE item at `at`; false when its image is gone (its list destroyed since).
using DrawnImagePicture = bool (*)(SvgCanvas &canvas, const VksDrawnItem &item, POINT at);
void setDrawnImagePicture(DrawnImagePicture draw);

// "#rrggbb".
std::string svgColour(COLORREF colour);
// What the window has drawn (its display list), its client area's top left corner at clientAt.
void drawRecorded(SvgCanvas &canvas, HWND hwnd, POINT clientAt);

}  // namespace vks::detail
