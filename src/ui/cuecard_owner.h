// TutCuecardOwner: what a window class implements to say whether it shows a cue card.
#pragma once

#include "afxdefs.h"

// The dialog and property-sheet classes derive from it beside CWnd; CutHelp finds it among a
// window's ancestors through each ancestor's framework object.
class AFX_EXT_CLASS TutCuecardOwner {
public:
    virtual ~TutCuecardOwner() = default;

    // Non-zero while the window has a cue card of its own.
    virtual int HasCuecard() const = 0;
};
