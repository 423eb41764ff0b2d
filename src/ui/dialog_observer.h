// TutDialogObserver: learns, later and through the message queue, that a dialog was created,
// painted for the first time and destroyed.
#pragma once

#include "afxdefs.h"

class TutDialog;
class TutDialogLink;

// The notifications come from the message loop of the thread that owns the message queue's
// manager window: DialogCreated after the dialog's initialisation has returned, DialogPainted
// about 100 ms after its first paint, DialogDestroyed after its window is gone. An observer
// attached after the first paint never hears DialogPainted. The observer and its dialog may be
// destroyed in either order: each side forgets the other.
class AFX_EXT_CLASS TutDialogObserver {
public:
    // Attaches to `dialog` when it is not null.
    TutDialogObserver(TutDialog *dialog = 0);
    // Detaches from its dialog; notifications still waiting are dropped.
    virtual ~TutDialogObserver();

    // Not copyable: the observer owns its link to the dialog, and a copy would give two
    // observers one link, which the first of them to go would leave dangling in the other.
    TutDialogObserver(TutDialogObserver const &) = delete;
    TutDialogObserver &operator=(TutDialogObserver const &) = delete;

    // The notifications; the base class's do nothing.
    virtual void DialogCreated();
    virtual void DialogPainted();
    virtual void DialogDestroyed();

    // Moves to `dialog` (null: to none). The old dialog loses its observer; the new dialog's
    // previous observer, if any, loses the dialog.
    void Dialog(TutDialog *dialog);
    TutDialog *Dialog() const;

private:
    friend class TutDialog;
    friend class TutDialogLink;

    TutDialogLink &link() const { return *m_pLink; }

    TutDialogLink *m_pLink;
};
