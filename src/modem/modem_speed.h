// TutModemSpeed: the default speed of one modem type, alone.
#pragma once

#include "afx.h"

#include "util/tutstring.h"

// The "DefaultBaud" text of the type's section, the user modem profile's over the default modem
// profile's, read when the object is built.
class AFX_EXT_CLASS TutModemSpeed {
public:
    explicit TutModemSpeed(char const *modemType);

    // The text as atol reads it (32 bits), or 2400 when neither profile sets it. (TutModemType
    // answers 9600 in that case.)
    long defaultBaud() const;

private:
    TutString m_strBaud;
};
