// Texts of the snapshot: code-page conversion, XML escaping, mnemonics and estimated widths.
#include "user32/snapshot_text.h"

#include <algorithm>

#include "kernel32/codepage.h"
#include "kernel32/utf8.h"

namespace vks::detail {

namespace {

// The estimate for the 11-pixel sans-serif face the snapshot names: Latin letters take about
// 6 pixels, full-width characters twice that.
constexpr int kNarrowWidth = 6;
constexpr int kWideWidth = 11;

int widthOf(std::string_view codePoint)
{
    return codePoint.size() >= 3 ? kWideWidth : kNarrowWidth;
}

}  // namespace

std::string xmlEscaped(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out += c;
            break;
        }
    }
    return out;
}

SnapshotText snapshotText(std::string_view ansi, bool mnemonics)
{
    const std::string utf8 = ansiToUtf8(ansi);
    SnapshotText text;
    bool underlineNext = false;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length =
            std::min(utf8LengthOfLead(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        const std::string_view codePoint(utf8.data() + at, length);
        at += length;
        if (mnemonics && codePoint == "&" && !underlineNext) {
            underlineNext = true;
            continue;
        }
        const std::string escaped = xmlEscaped(codePoint);
        if (escaped.empty())
            continue;
        // "&&" is one '&', never underlined.
        if (underlineNext && codePoint != "&")
            text.markup += "<tspan text-decoration=\"underline\">" + escaped + "</tspan>";
        else
            text.markup += escaped;
        underlineNext = false;
        text.width += widthOf(codePoint);
    }
    return text;
}

}  // namespace vks::detail
