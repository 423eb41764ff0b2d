// CutHelp's cue cards: the "Show Quick Steps" preference, its notification, and closing the
// cue card.
#include "product.h"
#include "settings/profile_key.h"
#include "ui/cuecard_owner.h"
#include "ui/cut_help.h"
#include "vksservc.h"

namespace {

constexpr int kFeatureQuickStepsOffByDefault = 32;

// The preference lives in the application profile's own file: the override is taken away for
// the read or write and put back after it (for every thread, for that moment).
class OverrideSuspended {
public:
    OverrideSuspended() : saved_(TutProfile::getOverride()) { TutProfile::setOverride(nullptr); }
    ~OverrideSuspended() { TutProfile::setOverride(saved_); }
    OverrideSuspended(const OverrideSuspended &) = delete;
    OverrideSuspended &operator=(const OverrideSuspended &) = delete;

private:
    TutProfile *saved_;
};

TutProfileKey showQuickStepsKey()
{
    return TutProfileKey(TutProfile::application(), "Preferences", "Show Quick Steps");
}

UINT registeredOnce(UINT &message, char const *name)
{
    if (!message)
        message = RegisterWindowMessageA(name);
    return message;
}

}  // namespace

int CutHelp::AreCueCardsEnabled()
{
    if (TntService::IsService())
        return 0;
    const int byDefault = hasFeature(kFeatureQuickStepsOffByDefault) ? 0 : 1;
    int enabled = byDefault;
    OverrideSuspended suspended;
    showQuickStepsKey().readBool(enabled, byDefault);
    return enabled;
}

void CutHelp::EnableCueCards(int enable)
{
    {
        OverrideSuspended suspended;
        showQuickStepsKey().writeBool(enable);
    }
    const UINT message = registeredOnce(m_notifyQSEvent, "VKSNotifyQSEvent");
    // Without the frame the post goes to a null window, which is the calling thread's queue.
    PostMessageA(FindWindowA("VKSSBFrame", NULL), message, 0, 0);
}

unsigned int CutHelp::GetQSMsg()
{
    return registeredOnce(m_nQSmsg, "ShowQuickSteps");
}

void CutHelp::CloseCuecard(CWnd *pWnd)
{
    if (AreCueCardsEnabled() && OkToCloseCuecard(pWnd))
        WinHelpA(pWnd ? pWnd->GetSafeHwnd() : NULL, m_contextHelp, HELP_QUIT, 0);
}

int CutHelp::OkToCloseCuecard(CWnd *pWnd)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    for (HWND ancestor = hWnd ? GetParent(hWnd) : NULL; ancestor; ancestor = GetParent(ancestor)) {
        auto *owner = dynamic_cast<TutCuecardOwner *>(CWnd::FromHandlePermanent(ancestor));
        if (owner)
            return owner->HasCuecard() ? 0 : 1;
    }
    return m_bKeepCueCard ? 0 : 1;
}

int QueryCuecardState()
{
    return CutHelp::AreCueCardsEnabled() ? 1 : 0;
}

void SetCuecardState(int state)
{
    switch (state) {
    case 0:
    case 1:
        CutHelp::EnableCueCards(state);
        break;
    default:
        CutHelp::EnableCueCards(!CutHelp::AreCueCardsEnabled());
        break;
    }
}
