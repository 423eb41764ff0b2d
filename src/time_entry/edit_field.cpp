#include "time_entry/edit_field.h"

#include <climits>
#include <cstdio>

#include "format/fixed_text.h"
#include "windows.h"

namespace vks::detail {

bool readField(CWnd const *field, char *text, std::size_t size)
{
    text[0] = '\0';
    const HWND window = field ? field->GetSafeHwnd() : nullptr;
    if (!window)
        return false;
    const int copied = GetWindowTextA(window, text, static_cast<int>(size));
    text[copied > 0 ? copied : 0] = '\0';
    if (GetWindowTextLengthA(window) <= copied)
        return false;
    dropBrokenLastCharacter(text);
    return true;
}

void writeText(CWnd *field, char const *text)
{
    if (field && field->GetSafeHwnd())
        SetWindowTextA(field->GetSafeHwnd(), text);
}

void writeNumber(CWnd *field, unsigned int value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*u", digits, value);
    writeText(field, text);
}

unsigned int decimalValue(char const *text)
{
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    // Saturates instead of overflowing, as strtol does.
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        if (value <= INT_MAX)
            value = value * 10 + (*text - '0');
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    return static_cast<unsigned int>(static_cast<int>(value));
}

bool removeNonDigits(char *text)
{
    char *kept = text;
    for (char const *read = text; *read != '\0'; ++read)
        if (*read >= '0' && *read <= '9')
            *kept++ = *read;
    const bool removed = *kept != '\0';
    *kept = '\0';
    return removed;
}

bool hasFocus(CWnd const *field)
{
    const HWND focus = GetFocus();
    return focus && field && field->GetSafeHwnd() == focus;
}

void enable(CWnd *control, int enable)
{
    if (control && control->GetSafeHwnd())
        EnableWindow(control->GetSafeHwnd(), enable ? TRUE : FALSE);
}

ClientBox clientBoxOf(CWnd const *control)
{
    ClientBox box;
    const HWND window = control ? control->GetSafeHwnd() : nullptr;
    RECT frame{};
    if (!window || !GetWindowRect(window, &frame))
        return box;
    POINT topLeft{frame.left, frame.top};
    if (const HWND parent = GetParent(window))
        ScreenToClient(parent, &topLeft);
    box.x = topLeft.x;
    box.y = topLeft.y;
    box.width = frame.right - frame.left;
    box.height = frame.bottom - frame.top;
    return box;
}

void moveTo(CWnd *control, int x, int y)
{
    const ClientBox box = clientBoxOf(control);
    if (control && control->GetSafeHwnd())
        MoveWindow(control->GetSafeHwnd(), x, y, box.width, box.height, TRUE);
}

void placeAfter(CWnd *control, CWnd const *previous, int x, int y)
{
    const ClientBox box = clientBoxOf(control);
    if (control && control->GetSafeHwnd() && previous)
        SetWindowPos(control->GetSafeHwnd(), previous->GetSafeHwnd(), x, y, box.width, box.height,
                     SWP_SHOWWINDOW);
}

int centredTop(ClientBox const &field, int labelHeight)
{
    return field.y + field.height / 2 - labelHeight / 2;
}

}  // namespace vks::detail
