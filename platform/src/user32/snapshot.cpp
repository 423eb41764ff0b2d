// VksHostSnapshotWindow: a window, its frame and its visible children drawn as an SVG file.
#include <algorithm>
#include <cctype>
#include <mutex>
#include <string>
#include <vector>

#include "user32/snapshot_draw.h"
#include "vksboundary.h"
#include "vkshost.h"
#include "posix/whole_file_posix.h"
#include "windows.h"

using namespace vks::detail;
using namespace vks::detail::snapshot_colour;

namespace {

// The frame the snapshot draws around a top-level window's client area (windows have none of
// their own here), and its caption.
constexpr int kFrame = 3;
constexpr int kCaptionHeight = 20;
constexpr int kCaptionButton = 16;

struct Frame {
    int width;
    int height;
    POINT client;  // where the client area starts in the picture
    bool caption;
};

std::string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

std::string className(HWND hwnd)
{
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

Frame frameOf(HWND hwnd, const RECT &screen)
{
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    if (styleOf(hwnd) & WS_CHILD)
        return {width, height, {0, 0}, false};
    const bool caption = (styleOf(hwnd) & WS_CAPTION) == WS_CAPTION;
    const int top = kFrame + (caption ? kCaptionHeight : 0);
    return {width + 2 * kFrame, height + top + kFrame, {kFrame, top}, caption};
}

RECT captionButton(const Frame &frame, int fromRight)
{
    const int right = frame.width - kFrame - 2 - fromRight * (kCaptionButton + 2);
    return {right - kCaptionButton, kFrame + 2, right, kFrame + 2 + kCaptionButton - 2};
}

void drawCaptionButton(SvgCanvas &canvas, const RECT &r, std::string_view kind)
{
    canvas.openGroup("class=\"" + std::string(kind) + "\"");
    canvas.rect(r.left, r.top, r.right - r.left, r.bottom - r.top, kFace);
    canvas.edge(r, false);
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    if (kind == "close") {
        const auto at = [](int x, int y) { return std::to_string(x) + " " + std::to_string(y); };
        canvas.path("M" + at(cx - 3, cy - 3) + " L" + at(cx + 4, cy + 4) + " M" +
                        at(cx + 4, cy - 3) + " L" + at(cx - 3, cy + 4),
                    "none", kText);
    } else {
        canvas.text(cx, cy + 4, snapshotText("?", false), "middle", kText);
    }
    canvas.closeGroup();
}

void drawFrame(SvgCanvas &canvas, HWND hwnd, const Frame &frame)
{
    canvas.rect(0, 0, frame.width, frame.height, kFace);
    canvas.edge({0, 0, frame.width, frame.height}, false);
    if (frame.caption) {
        canvas.openGroup("class=\"caption\"");
        canvas.rect(kFrame, kFrame, frame.width - 2 * kFrame, kCaptionHeight - 1, kCaption);
        canvas.text(kFrame + 4, kFrame + 14, snapshotText(windowText(hwnd), false), "start",
                    kCaptionText);
        canvas.closeGroup();
        int fromRight = 0;
        if (styleOf(hwnd) & WS_SYSMENU)
            drawCaptionButton(canvas, captionButton(frame, fromRight++), "close");
        // Like Windows: a minimise or maximise box takes the help button's place.
        if ((GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) &&
            !(styleOf(hwnd) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
            drawCaptionButton(canvas, captionButton(frame, fromRight), "help");
    }
}

struct ControlPictures {
    std::mutex lock;
    std::vector<std::pair<std::string, ControlPicture>> byClass;
};

ControlPictures &controlPictures()
{
    static ControlPictures &pictures = *new ControlPictures;
    return pictures;
}

ControlPicture addedPicture(const std::string &name)
{
    ControlPictures &pictures = controlPictures();
    std::lock_guard guard(pictures.lock);
    for (const auto &[className, draw] : pictures.byClass)
        if (sameName(className, name))
            return draw;
    return nullptr;
}

void drawControl(SvgCanvas &canvas, const ControlView &control, const std::string &name)
{
    if (sameName(name, "Edit"))
        drawEdit(canvas, control);
    else if (sameName(name, "Static"))
        drawStatic(canvas, control);
    else if (sameName(name, "Button"))
        drawButton(canvas, control);
    else if (sameName(name, "ListBox"))
        drawListBox(canvas, control);
    else if (sameName(name, "ComboBox"))
        drawComboBox(canvas, control);
    else if (sameName(name, "#32770"))
        return;  // a dialog inside a dialog (a property page) shows only its controls
    else if (const ControlPicture draw = addedPicture(name))
        draw(canvas, control);
    else
        drawUnknown(canvas, control, name);
}

// Children bottom first, so that the upper ones are drawn over them.
std::vector<HWND> childrenBottomFirst(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    std::reverse(children.begin(), children.end());
    return children;
}

// `origin` is the screen point drawn at the picture's 0, 0.
ControlView viewOf(HWND hwnd, POINT origin, HWND focus)
{
    RECT screen{};
    GetWindowRect(hwnd, &screen);
    const RECT rect{screen.left - origin.x, screen.top - origin.y, screen.right - origin.x,
                    screen.bottom - origin.y};
    return {hwnd, rect, styleOf(hwnd), windowText(hwnd), IsWindowEnabled(hwnd) != FALSE,
            hwnd == focus};
}

void drawWindowAndChildren(SvgCanvas &canvas, HWND hwnd, POINT origin, HWND focus)
{
    const std::string name = className(hwnd);
    canvas.openGroup("class=\"" + xmlEscaped(name) + "\" data-id=\"" +
                     std::to_string(GetDlgCtrlID(hwnd)) + "\"");
    const ControlView view = viewOf(hwnd, origin, focus);
    drawControl(canvas, view, name);
    drawRecorded(canvas, hwnd, {view.rect.left, view.rect.top});
    for (HWND child : childrenBottomFirst(hwnd))
        if (styleOf(child) & WS_VISIBLE)
            drawWindowAndChildren(canvas, child, origin, focus);
    canvas.closeGroup();
}

std::string snapshotSvg(HWND hwnd)
{
    RECT screen{};
    GetWindowRect(hwnd, &screen);
    const Frame frame = frameOf(hwnd, screen);
    const POINT origin{screen.left - frame.client.x, screen.top - frame.client.y};
    const HWND focus = GetFocus();
    SvgCanvas canvas;
    if (styleOf(hwnd) & WS_CHILD) {
        drawWindowAndChildren(canvas, hwnd, origin, focus);
        return canvas.document(frame.width, frame.height);
    }
    drawFrame(canvas, hwnd, frame);
    canvas.rect(frame.client.x, frame.client.y, screen.right - screen.left,
                screen.bottom - screen.top, kFace);
    drawRecorded(canvas, hwnd, frame.client);
    for (HWND child : childrenBottomFirst(hwnd))
        if (styleOf(child) & WS_VISIBLE)
            drawWindowAndChildren(canvas, child, origin, focus);
    return canvas.document(frame.width, frame.height);
}

}  // namespace

void vks::detail::addControlPicture(const char *className, ControlPicture draw)
{
    ControlPictures &pictures = controlPictures();
    std::lock_guard guard(pictures.lock);
    pictures.byClass.emplace_back(className, draw);
}

BOOL VksHostSnapshotWindow(HWND window, const char *svgPath)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!IsWindow(window)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        if (!svgPath || !*svgPath) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        DWORD error = ERROR_SUCCESS;
        if (!writeWholeFile(svgPath, snapshotSvg(window), error)) {
            SetLastError(error);
            return FALSE;
        }
        return TRUE;
    });
}
