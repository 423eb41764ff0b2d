// The SVG canvas of window snapshots.

#include "user32/snapshot_draw.h"

namespace vks::detail {

namespace {

std::string number(int value)
{
    return std::to_string(value);
}

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

}  // namespace

void SvgCanvas::rect(int x, int y, int width, int height, std::string_view fill,
                     std::string_view stroke, std::string_view extra)
{
    // Strokes sit on the pixel grid at half pixels, as a one-pixel line covers one pixel.
    const bool stroked = stroke != "none";
    body_ += "<rect" + attribute("x", stroked ? number(x) + ".5" : number(x)) +
             attribute("y", stroked ? number(y) + ".5" : number(y)) +
             attribute("width", number(stroked ? width - 1 : width)) +
             attribute("height", number(stroked ? height - 1 : height)) + attribute("fill", fill) +
             attribute("stroke", stroke);
    if (!extra.empty())
        body_ += " " + std::string(extra);
    body_ += "/>\n";
}

void SvgCanvas::line(int x1, int y1, int x2, int y2, std::string_view stroke,
                     std::string_view extra)
{
    body_ += "<line" + attribute("x1", number(x1) + ".5") + attribute("y1", number(y1) + ".5") +
             attribute("x2", number(x2) + ".5") + attribute("y2", number(y2) + ".5") +
             attribute("stroke", stroke);
    if (!extra.empty())
        body_ += " " + std::string(extra);
    body_ += "/>\n";
}

void SvgCanvas::path(std::string_view d, std::string_view fill, std::string_view stroke)
{
    body_ += "<path" + attribute("d", d) + attribute("fill", fill) + attribute("stroke", stroke) +
             "/>\n";
}

void SvgCanvas::text(int x, int y, const SnapshotText &text, std::string_view anchor,
                     std::string_view fill)
{
    if (text.markup.empty())
        return;
    body_ += "<text" + attribute("x", number(x)) + attribute("y", number(y)) +
             attribute("text-anchor", anchor) + attribute("fill", fill) + ">" + text.markup +
             "</text>\n";
}

void SvgCanvas::openGroup(std::string_view attributes)
{
    body_ += "<g " + std::string(attributes) + ">\n";
}

void SvgCanvas::closeGroup()
{
    body_ += "</g>\n";
}

void SvgCanvas::edge(const RECT &r, bool sunken)
{
    using namespace snapshot_colour;
    const int right = r.right - 1;
    const int bottom = r.bottom - 1;
    const std::string_view outerLight = sunken ? kShadow : kHighlight;
    const std::string_view outerDark = sunken ? kHighlight : kDarkShadow;
    const std::string_view innerLight = sunken ? kDarkShadow : kFace;
    const std::string_view innerDark = sunken ? kFace : kShadow;
    line(r.left, r.top, right, r.top, outerLight);
    line(r.left, r.top, r.left, bottom, outerLight);
    line(r.left, bottom, right, bottom, outerDark);
    line(right, r.top, right, bottom, outerDark);
    line(r.left + 1, r.top + 1, right - 1, r.top + 1, innerLight);
    line(r.left + 1, r.top + 1, r.left + 1, bottom - 1, innerLight);
    line(r.left + 1, bottom - 1, right - 1, bottom - 1, innerDark);
    line(right - 1, r.top + 1, right - 1, bottom - 1, innerDark);
}

void SvgCanvas::focusMark(const RECT &r)
{
    rect(r.left, r.top, r.right - r.left, r.bottom - r.top, "none",
         snapshot_colour::kText, "stroke-dasharray=\"1,1\" class=\"focus\"");
}

std::string SvgCanvas::document(int width, int height) const
{
    const std::string w = number(width);
    const std::string h = number(height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
           "\" font-family=\"Tahoma, 'Segoe UI', sans-serif\" font-size=\"11\">\n" + body_ +
           "</svg>\n";
}

}  // namespace vks::detail
