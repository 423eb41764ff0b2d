// TutDialogLink: the private tie between a dialog and its observer. Not installed.
#pragma once

#include "mq/message_queue.h"
#include "windows.h"

class TutDialog;
class TutDialogObserver;

// A queue that observes itself: the dialog posts the notification numbers to it, and its own
// receive() hands them to the owning observer when the message loop delivers them.
class TutDialogLink : public TmqQueue, public TmqObserver {
public:
    enum Notification { created = 0, painted = 1, destroyed = 2 };

    explicit TutDialogLink(TutDialogObserver &owner);
    ~TutDialogLink() override;
    TutDialogLink(TutDialogLink const &) = delete;
    TutDialogLink &operator=(TutDialogLink const &) = delete;

    TutDialog *dialog() const { return m_pDialog; }
    // Only TutDialog::Observer calls these, so that both sides always change together.
    void bind(TutDialog *dialog);
    // Forgets the dialog, stopping the first-paint timer if it runs.
    void unbind();

    void notify(Notification notification);

    // The one-shot first-paint timer, on the dialog's window.
    void startTimer();
    void stopTimer();
    // True for the timer this link started and has not stopped.
    bool isTimer(UINT_PTR id) const;

    void receive(TmqMessage &message) override;

private:
    TutDialog *m_pDialog;
    TutDialogObserver &m_owner;
    UINT_PTR m_nTimer;
};
