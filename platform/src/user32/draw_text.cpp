// DrawTextA: lines, word breaks, tabs, '&' prefixes, ellipses and DT_CALCRECT, measured with the
// DC's font.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "kernel32/codepage.h"
#include "user32/ui_paint.h"
#include "vksboundary.h"

using namespace vks::detail;

namespace {

constexpr std::string_view kEllipsis = "...";
constexpr int kDefaultTabChars = 8;

// One line as drawn: its visible text and which of its bytes carry a prefix underline.
struct Line {
    std::string text;
    std::vector<std::size_t> underlined;
};

struct Layout {
    HDC dc;
    UINT format;
    TEXTMETRICA metrics;
    int tabWidth;
    int maxWidth;
};

std::size_t characterLength(std::string_view text, std::size_t at)
{
    return at + 1 < text.size() && isLeadByte(CP_ACP, static_cast<unsigned char>(text[at])) ? 2 : 1;
}

// Width of a text without prefixes, tabs expanded from the line's start.
int measure(const Layout &layout, std::string_view text)
{
    int width = 0;
    std::size_t start = 0;
    const bool tabs = (layout.format & DT_EXPANDTABS) != 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !(tabs && text[at] == '\t'))
            continue;
        SIZE size{};
        if (at > start)
            GetTextExtentPoint32A(layout.dc, text.data() + start, static_cast<int>(at - start), &size);
        width += size.cx;
        if (at < text.size() && layout.tabWidth > 0)
            width = (width / layout.tabWidth + 1) * layout.tabWidth;
        start = at + 1;
    }
    return width;
}

// The prefixes taken out: "&x" underlines x, "&&" is one '&'.
Line withoutPrefixes(std::string_view text, UINT format)
{
    Line line;
    if (format & DT_NOPREFIX) {
        line.text = text;
        return line;
    }
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '&' && at + 1 < text.size()) {
            ++at;
            if (text[at] != '&')
                line.underlined.push_back(line.text.size());
        } else if (text[at] == '&') {
            ++at;
            continue;
        }
        const std::size_t length = characterLength(text, at);
        line.text.append(text.substr(at, length));
        at += length;
    }
    return line;
}

// Breaks a paragraph into lines no wider than the rectangle: after blanks, or between
// double-byte characters; a word wider than a line keeps a line of its own.
std::vector<std::string> wrapped(const Layout &layout, std::string_view paragraph)
{
    std::vector<std::string> lines;
    std::string_view rest = paragraph;
    while (!rest.empty()) {
        std::size_t lastBreak = 0;
        std::size_t fits = 0;
        for (std::size_t at = 0; at < rest.size();) {
            const std::size_t next = at + characterLength(rest, at);
            if (measure(layout, withoutPrefixes(rest.substr(0, next), layout.format).text) >
                layout.maxWidth)
                break;
            fits = next;
            if (rest[at] == ' ' || next - at == 2)
                lastBreak = next;
            at = next;
        }
        std::size_t cut = fits == rest.size() ? fits : lastBreak;
        if (cut == 0) {
            // The first word is wider than the line: it takes the line whole.
            cut = rest.find(' ');
            cut = cut == std::string_view::npos ? rest.size() : cut + 1;
        }
        std::string line(rest.substr(0, cut));
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(line);
        rest.remove_prefix(cut);
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
    }
    if (lines.empty())
        lines.emplace_back();
    return lines;
}

// The longest whole-character prefix of text that, with the ellipsis after it, fits.
std::size_t fittingPrefix(const Layout &layout, std::string_view text, std::string_view after)
{
    std::size_t best = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = at + characterLength(text, at);
        if (measure(layout, std::string(text.substr(0, next)) + std::string(kEllipsis) +
                                std::string(after)) > layout.maxWidth)
            break;
        best = next;
        at = next;
    }
    return best;
}

// A line too wide for the rectangle shortened with "..." as the ellipsis flag asks.
void shorten(const Layout &layout, Line &line)
{
    if (measure(layout, line.text) <= layout.maxWidth)
        return;
    const std::string text = line.text;
    if (layout.format & DT_PATH_ELLIPSIS) {
        const std::size_t slash = text.find_last_of("\\/");
        const std::string tail = slash == std::string::npos ? text : text.substr(slash);
        const std::string head = slash == std::string::npos ? "" : text.substr(0, slash);
        line.text = head.substr(0, fittingPrefix(layout, head, tail)) + std::string(kEllipsis) + tail;
    } else {
        std::size_t keep = fittingPrefix(layout, text, {});
        if (layout.format & DT_WORD_ELLIPSIS) {
            const std::size_t blank = text.substr(0, keep).find_last_of(' ');
            if (blank != std::string::npos && keep < text.size() && text[keep] != ' ')
                keep = blank;
        }
        line.text = text.substr(0, keep) + std::string(kEllipsis);
    }
    std::erase_if(line.underlined, [&](std::size_t at) { return at >= line.text.size(); });
}

std::vector<Line> layOut(const Layout &layout, std::string_view text)
{
    std::vector<Line> lines;
    std::vector<std::string_view> paragraphs;
    if (layout.format & DT_SINGLELINE) {
        paragraphs.push_back(text);
    } else {
        std::size_t start = 0;
        for (std::size_t at = 0; at <= text.size(); ++at) {
            if (at < text.size() && text[at] != '\r' && text[at] != '\n')
                continue;
            paragraphs.push_back(text.substr(start, at - start));
            if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n')
                ++at;
            start = at + 1;
        }
    }
    const bool ellipsis = (layout.format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) != 0;
    for (const std::string_view paragraph : paragraphs) {
        const std::vector<std::string> pieces =
            (layout.format & DT_WORDBREAK) && !(layout.format & DT_SINGLELINE)
                ? wrapped(layout, paragraph)
                : std::vector<std::string>{std::string(paragraph)};
        for (const std::string &piece : pieces) {
            Line line = withoutPrefixes(piece, layout.format);
            if (ellipsis)
                shorten(layout, line);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

void drawLine(const Layout &layout, const Line &line, int x, int y)
{
    if (!(layout.format & DT_PREFIXONLY)) {
        int pen = x;
        std::size_t start = 0;
        const bool tabs = (layout.format & DT_EXPANDTABS) != 0;
        for (std::size_t at = 0; at <= line.text.size(); ++at) {
            if (at < line.text.size() && !(tabs && line.text[at] == '\t'))
                continue;
            TextOutA(layout.dc, pen, y, line.text.data() + start, static_cast<int>(at - start));
            pen = x + measure(layout, std::string_view(line.text).substr(0, std::min(at + 1, line.text.size())));
            start = at + 1;
        }
    }
    if (layout.format & DT_HIDEPREFIX)
        return;
    const int underline = y + layout.metrics.tmAscent + 1;
    for (const std::size_t at : line.underlined) {
        const int from = x + measure(layout, std::string_view(line.text).substr(0, at));
        const int to = x + measure(layout, std::string_view(line.text).substr(0, at + characterLength(line.text, at)));
        paintRectColour(layout.dc, {from, underline, to, underline + 1}, GetTextColor(layout.dc));
    }
}

int drawText(HDC dc, std::string_view text, RECT &rect, UINT format)
{
    Layout layout{dc, format, {}, 0, static_cast<int>(rect.right - rect.left)};
    if (!GetTextMetricsA(dc, &layout.metrics))
        return 0;
    const int tabChars = (format & DT_TABSTOP) ? static_cast<int>(format >> 8 & 0xFF) : kDefaultTabChars;
    layout.tabWidth = tabChars * layout.metrics.tmAveCharWidth;
    if (format & DT_TABSTOP)
        layout.format &= ~0xFF00u;
    const int lineHeight = layout.metrics.tmHeight +
                           ((format & DT_EXTERNALLEADING) ? layout.metrics.tmExternalLeading : 0);

    const std::vector<Line> lines = layOut(layout, text);
    int widest = 0;
    for (const Line &line : lines)
        widest = std::max(widest, measure(layout, line.text));
    const int height = text.empty() ? lineHeight : static_cast<int>(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        rect.right = rect.left + widest;
        rect.bottom = rect.top + (text.empty() ? 0 : height);
        return height;
    }

    int top = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = rect.top + (rect.bottom - rect.top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = rect.bottom - lineHeight;
    }
    SavedDc saved(dc);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    if (!(format & DT_NOCLIP))
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    int y = top;
    for (const Line &line : lines) {
        const int width = measure(layout, line.text);
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.right - rect.left - width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - width;
        drawLine(layout, line, x, y);
        y += lineHeight;
    }
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect.top + lineHeight;
    return height;
}

}  // namespace

int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        if (!lprc || GetObjectType(hdc) == 0) {
            SetLastError(lprc ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
            return 0;
        }
        // A count of 0 draws and measures nothing; a negative one reads to the NUL.
        if (cchText == 0)
            return 0;
        const std::string_view text = !lpchText ? std::string_view()
                                      : cchText < 0 ? std::string_view(lpchText)
                                                    : std::string_view(lpchText, static_cast<std::size_t>(cchText));
        return drawText(hdc, text, *lprc, format);
    });
}
