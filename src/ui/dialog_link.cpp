// TutDialogLink: the dialog's notifications, queued and handed to the observer.
#include "ui/dialog_link.h"

#include "ui/dialog_observer.h"
#include "ui/tut_dialog.h"

namespace {

constexpr UINT_PTR kFirstPaintTimer = 0x90125;
constexpr UINT kFirstPaintDelay = 100;

}  // namespace

TutDialogLink::TutDialogLink(TutDialogObserver &owner)
    : TmqQueue(0), TmqObserver(this, 0), m_pDialog(NULL), m_owner(owner), m_nTimer(0)
{
}

TutDialogLink::~TutDialogLink() = default;

void TutDialogLink::bind(TutDialog *dialog)
{
    m_pDialog = dialog;
}

void TutDialogLink::unbind()
{
    stopTimer();
    m_pDialog = NULL;
}

void TutDialogLink::notify(Notification notification)
{
    post(notification, NULL, 0);
}

void TutDialogLink::startTimer()
{
    if (m_pDialog)
        m_nTimer = ::SetTimer(m_pDialog->GetSafeHwnd(), kFirstPaintTimer, kFirstPaintDelay, NULL);
}

void TutDialogLink::stopTimer()
{
    if (m_nTimer && m_pDialog)
        ::KillTimer(m_pDialog->GetSafeHwnd(), m_nTimer);
    m_nTimer = 0;
}

bool TutDialogLink::isTimer(UINT_PTR id) const
{
    return m_nTimer != 0 && id == m_nTimer;
}

void TutDialogLink::receive(TmqMessage &message)
{
    switch (message.id()) {
    case created:
        m_owner.DialogCreated();
        break;
    case painted:
        m_owner.DialogPainted();
        break;
    case destroyed:
        m_owner.DialogDestroyed();
        break;
    default:
        break;
    }
}
