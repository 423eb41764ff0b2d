// TutDialogObserver: its link's life and the move between dialogs.
#include "ui/dialog_observer.h"

#include "ui/dialog_link.h"
#include "ui/tut_dialog.h"

TutDialogObserver::TutDialogObserver(TutDialog *dialog) : m_pLink(new TutDialogLink(*this))
{
    if (dialog)
        Dialog(dialog);
}

TutDialogObserver::~TutDialogObserver()
{
    Dialog(NULL);
    delete m_pLink;
}

void TutDialogObserver::DialogCreated() {}

void TutDialogObserver::DialogPainted() {}

void TutDialogObserver::DialogDestroyed() {}

// The dialog keeps both sides in step, so every move goes through it.
void TutDialogObserver::Dialog(TutDialog *dialog)
{
    if (dialog)
        dialog->Observer(this);
    else if (TutDialog *current = m_pLink->dialog())
        current->Observer(NULL);
}

TutDialog *TutDialogObserver::Dialog() const
{
    return m_pLink->dialog();
}
