// Internal: the text of the range editors' edit fields, read through fixed buffers, and the
// positions of their controls.
#pragma once

#include <cstddef>

#include "afxwin.h"

namespace vks::detail {

// Copies at most size - 1 bytes of the field's text and a NUL; true when the text was longer.
bool readField(CWnd const *field, char *text, std::size_t size);

// A field's text read through a buffer of Room characters and a NUL; longer text is cut.
template <std::size_t Room>
struct FieldText {
    char text[Room + 1] = {};
    bool cut = false;  // the field held more than Room characters

    explicit FieldText(CWnd const *field) { cut = readField(field, text, sizeof text); }
    bool empty() const { return text[0] == '\0'; }
};

// Each writes nothing to a null field or one without a window.
void writeText(CWnd *field, char const *text);
// Writes a decimal number, with at least `digits` digits (leading zeros).
void writeNumber(CWnd *field, unsigned int value, int digits = 1);

// The decimal value of a text as the C run time's atoi reads it (blanks, a sign, digits; stops
// at the first other byte; 0 when there are no digits), taken as unsigned, so that a negative
// value lies above every valid one.
unsigned int decimalValue(char const *text);
// Removes, in place, every byte outside '0' to '9'; true when something went.
bool removeNonDigits(char *text);

// True when the field is the window with the keyboard focus.
bool hasFocus(CWnd const *field);
void enable(CWnd *control, int enable);

// A control's window rectangle in its parent's client coordinates.
struct ClientBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
ClientBox clientBoxOf(CWnd const *control);
// Moves the control, keeping its size.
void moveTo(CWnd *control, int x, int y);
// Moves the control, keeping its size, puts it right after `previous` in its siblings'
// Z-order (and so in the dialog's tab order) and shows it.
void placeAfter(CWnd *control, CWnd const *previous, int x, int y);
// The top that centres a label of `labelHeight` on a field, each half rounded toward zero.
int centredTop(ClientBox const &field, int labelHeight);

}  // namespace vks::detail
