// The pictures of the standard controls in a window snapshot.
#include <string>

#include "user32/snapshot_draw.h"

namespace vks::detail {

namespace {

using namespace snapshot_colour;

// Baselines of the 11-pixel face: centred in a box, or on the first line from its top.
int centredBaseline(const RECT &r)
{
    return (r.top + r.bottom) / 2 + 4;
}

int firstLineBaseline(const RECT &r)
{
    return r.top + 10;
}

int width(const RECT &r)
{
    return r.right - r.left;
}

int height(const RECT &r)
{
    return r.bottom - r.top;
}

RECT inset(const RECT &r, int by)
{
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

std::string_view textColour(const ControlView &control)
{
    return control.enabled ? kText : kGrayText;
}

// x and anchor of a line of text aligned in the rectangle.
struct Placement {
    int x;
    std::string_view anchor;
};

Placement aligned(const RECT &r, int alignment, int margin)
{
    switch (alignment) {
    case 1:
        return {(r.left + r.right) / 2, "middle"};
    case 2:
        return {r.right - margin, "end"};
    default:
        return {r.left + margin, "start"};
    }
}

void etchedLine(SvgCanvas &canvas, int x1, int y1, int x2, int y2, bool vertical)
{
    canvas.line(x1, y1, x2, y2, kShadow);
    if (vertical)
        canvas.line(x1 + 1, y1, x2 + 1, y2, kHighlight);
    else
        canvas.line(x1, y1 + 1, x2, y2 + 1, kHighlight);
}

void etchedFrame(SvgCanvas &canvas, const RECT &r)
{
    canvas.rect(r.left + 1, r.top + 1, width(r) - 1, height(r) - 1, "none", kHighlight);
    canvas.rect(r.left, r.top, width(r) - 1, height(r) - 1, "none", kShadow);
}

void drawPushButton(SvgCanvas &canvas, const ControlView &control, bool isDefault)
{
    RECT face = control.rect;
    canvas.rect(face.left, face.top, width(face), height(face), kFace);
    // The default button wears a black border outside its raised edge.
    if (isDefault) {
        canvas.rect(face.left, face.top, width(face), height(face), "none", kText,
                    "class=\"default\"");
        face = inset(face, 1);
    }
    canvas.edge(face, false);
    const SnapshotText label = snapshotText(control.text, true);
    canvas.text((face.left + face.right) / 2, centredBaseline(face), label, "middle",
                textColour(control));
    if (control.focused)
        canvas.focusMark(inset(face, 3));
}

void drawGroupBox(SvgCanvas &canvas, const ControlView &control)
{
    const RECT &r = control.rect;
    etchedFrame(canvas, {r.left, r.top + 6, r.right, r.bottom});
    const SnapshotText label = snapshotText(control.text, true);
    if (label.markup.empty())
        return;
    // The label interrupts the frame's top line.
    canvas.rect(r.left + 6, r.top, label.width + 4, 12, kFace);
    canvas.text(r.left + 8, firstLineBaseline(r), label, "start", textColour(control));
}

void drawCheckOrRadio(SvgCanvas &canvas, const ControlView &control, bool radio)
{
    const RECT &r = control.rect;
    const int middle = (r.top + r.bottom) / 2;
    if (radio)
        canvas.path("M" + std::to_string(r.left + 6) + " " + std::to_string(middle - 6) +
                        " a6 6 0 1 0 0.01 0z",
                    control.enabled ? kHighlight : kFace, kDarkShadow);
    else
        canvas.rect(r.left, middle - 6, 13, 13, control.enabled ? kHighlight : kFace,
                    kDarkShadow);
    const SnapshotText label = snapshotText(control.text, true);
    canvas.text(r.left + 17, centredBaseline(r), label, "start", textColour(control));
    if (control.focused)
        canvas.focusMark({r.left + 15, r.top, r.left + 19 + label.width, r.bottom});
}

// Each line of the text on a line of its own; a line end is "\r\n" or "\n". Long lines are not
// wrapped: the snapshot has no font metrics to wrap by.
void drawStaticText(SvgCanvas &canvas, const ControlView &control, int alignment)
{
    constexpr int kLineHeight = 13;
    const Placement at = aligned(control.rect, alignment, 0);
    const bool mnemonics = !(control.style & SS_NOPREFIX);
    int baseline = firstLineBaseline(control.rect);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = control.text.find('\n', start);
        std::string line = control.text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        canvas.text(at.x, baseline, snapshotText(line, mnemonics), at.anchor, textColour(control));
        if (end == std::string::npos)
            break;
        start = end + 1;
        baseline += kLineHeight;
    }
}

}  // namespace

void drawEdit(SvgCanvas &canvas, const ControlView &control)
{
    const RECT &r = control.rect;
    canvas.rect(r.left, r.top, width(r), height(r), control.enabled ? kHighlight : kFace);
    canvas.edge(r, true);
    std::string shown = control.text;
    // A password is never shown, not even in a picture.
    if (control.style & ES_PASSWORD)
        shown.assign(shown.size(), '*');
    const SnapshotText text = snapshotText(shown, false);
    const int alignment = (control.style & ES_RIGHT) ? 2 : (control.style & ES_CENTER) ? 1 : 0;
    const Placement at = aligned(inset(r, 2), alignment, 2);
    canvas.text(at.x, centredBaseline(r), text, at.anchor, textColour(control));
    if (!control.focused)
        return;
    // The caret after the text.
    int caretX = at.x + text.width;
    if (alignment == 1)
        caretX = at.x + text.width / 2;
    else if (alignment == 2)
        caretX = at.x;
    canvas.line(caretX, r.top + 4, caretX, r.bottom - 5, kText, "class=\"caret\"");
}

void drawStatic(SvgCanvas &canvas, const ControlView &control)
{
    const RECT &r = control.rect;
    const DWORD type = control.style & SS_TYPEMASK;
    switch (type) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT: {
        const std::string_view fill =
            type == SS_BLACKRECT ? kDarkShadow : type == SS_GRAYRECT ? kShadow : kHighlight;
        canvas.rect(r.left, r.top, width(r), height(r), fill);
        break;
    }
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: {
        const std::string_view stroke =
            type == SS_BLACKFRAME ? kDarkShadow : type == SS_GRAYFRAME ? kShadow : kHighlight;
        canvas.rect(r.left, r.top, width(r), height(r), "none", stroke);
        break;
    }
    case SS_ETCHEDHORZ:
        etchedLine(canvas, r.left, r.top, r.right - 1, r.top, false);
        break;
    case SS_ETCHEDVERT:
        etchedLine(canvas, r.left, r.top, r.left, r.bottom - 1, true);
        break;
    case SS_ETCHEDFRAME:
        etchedFrame(canvas, r);
        break;
    case SS_ICON:
        drawUnknown(canvas, control, "icon");
        break;
    default:
        drawStaticText(canvas, control, type == SS_CENTER ? 1 : type == SS_RIGHT ? 2 : 0);
        break;
    }
    if (control.style & SS_SUNKEN)
        canvas.rect(r.left, r.top, width(r), height(r), "none", kShadow);
}

void drawButton(SvgCanvas &canvas, const ControlView &control)
{
    switch (control.style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_PUSHBOX:
        drawPushButton(canvas, control, false);
        break;
    case BS_DEFPUSHBUTTON:
        drawPushButton(canvas, control, true);
        break;
    case BS_GROUPBOX:
        drawGroupBox(canvas, control);
        break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        drawCheckOrRadio(canvas, control, false);
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        drawCheckOrRadio(canvas, control, true);
        break;
    default:
        drawUnknown(canvas, control, "Button");
        break;
    }
}

void drawUnknown(SvgCanvas &canvas, const ControlView &control, std::string_view className)
{
    const RECT &r = control.rect;
    canvas.rect(r.left, r.top, width(r), height(r), "none", kShadow,
                "stroke-dasharray=\"4,2\"");
    const SnapshotText label = snapshotText(std::string(className), false);
    canvas.text(r.left + 2, firstLineBaseline(r), label, "start", kGrayText);
    if (control.focused)
        canvas.focusMark(inset(r, 2));
}

}  // namespace vks::detail
