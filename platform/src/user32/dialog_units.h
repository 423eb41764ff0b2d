// Internal: the base units of a template's font and a control's rectangle in pixels.
#pragma once

#include "user32/dialog_state.h"
#include "user32/dialog_template_reader.h"

namespace vks::detail {

// The template's font at 96 dots per inch, or null when the template names none.
HFONT createTemplateFont(const DialogTemplate &dialog);
// Measured from the font (null: the system font).
BaseUnits baseUnitsOf(HFONT font);
// Measured from the template's font.
BaseUnits baseUnitsFor(const DialogTemplate &dialog);
// Each coordinate converted on its own, as Windows converts a control's position and size.
RECT toPixels(const BaseUnits &units, short x, short y, short cx, short cy);

}  // namespace vks::detail
