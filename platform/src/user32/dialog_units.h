// Internal: the base units of a template's font and a control's rectangle in pixels.
#pragma once

#include "user32/dialog_template.h"

namespace vks::detail {

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct BaseUnits {
    int x = 8;
    int y = 16;
};

// The template's font at 96 dots per inch, or null when the template names none.
HFONT createTemplateFont(const DialogTemplate &dialog);
// Measured from the font (null: the system font).
BaseUnits baseUnitsOf(HFONT font);
// Measured from the template's font.
BaseUnits baseUnitsFor(const DialogTemplate &dialog);
// Each coordinate converted on its own, as Windows converts a control's position and size.
RECT toPixels(const BaseUnits &units, short x, short y, short cx, short cy);

}  // namespace vks::detail
