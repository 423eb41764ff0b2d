// CutHelp: the product's help requests (Help buttons, context help on controls, Quick Steps and
// cue cards) and the "Show Quick Steps" preference, with QueryCuecardState and SetCuecardState.
#pragma once

#include "afxwin.h"

// A help map: ULONG pairs, control identifier then help topic, ended by a pair whose identifier
// is 0 (the form WinHelpA takes for context help on controls).
class AFX_EXT_CLASS CutHelp : public CObject {
    DECLARE_DYNAMIC(CutHelp)
public:
    CutHelp();
    ~CutHelp() override;

    // The help files, each kept in a buffer of 260 characters (a longer name is cut to 259).
    static void MainHelpFile(char const *path);
    static char const *MainHelpFile();
    static void ContextHelpFile(char const *path);
    static char const *ContextHelpFile();
    // Quick Steps always use the context help file: setting one here is ignored.
    static char const *QSHelpFile();
    static void QSHelpFile(char const *path);

    // The global help map, empty.
    static ULONG *GetHelpMap();

    static void EnableKeepCueCard();
    static void DisableKeepCueCard();
    static int KeepCueCard();

    // The "Show Quick Steps" preference of the application profile, whatever override is
    // installed: 0 in a service process; when the key is missing, on unless the product has
    // feature 32.
    static int AreCueCardsEnabled();
    // Writes the preference and posts the registered "VKSNotifyQSEvent" to the product's main
    // frame ("VKSSBFrame"), or to the calling thread when there is none.
    static void EnableCueCards(int enable);
    // The message registered as "ShowQuickSteps".
    static unsigned int GetQSMsg();

    // 1 when `id` is the identifier of one of the map's pairs; a null map gives 0.
    static int IsIDInTable(ULONG id, ULONG *map);

    // Topic `helpId` of the main help in its "command" window, owned by the thread's main
    // window (no owner when the thread has none).
    static void OnHelp(ULONG helpId);
    // Context help for the control that a WM_HELP request (its lParam, a HELPINFO) names; none
    // for the framework's and the help engine's reserved identifiers, nor for a null request.
    static void OnWMHelp(LPARAM helpInfo, ULONG *map);
    // The same for a context menu on a window.
    static void OnContextMenu(HWND hWnd, ULONG *map);
    // Quick Steps: topic helpId + 10000 of the context help in its "smarthlp" window.
    static void OnQSMsg(CWnd *pWnd, ULONG helpId);
    // Closes the cue card when cue cards are on and OkToCloseCuecard allows it.
    static void CloseCuecard(CWnd *pWnd);
    // The first ancestor that owns a cue-card flag (a TutCuecardOwner) decides: 1 when it has no
    // cue card. Without one, 1 unless the keep flag is set.
    static int OkToCloseCuecard(CWnd *pWnd);

private:
    static char m_mainHelp[260];
    static char m_contextHelp[260];
    static UINT m_nQSmsg;
    static UINT m_notifyQSEvent;
    static ULONG m_globalContextHelp[2];
    static int m_bKeepCueCard;
};

// 1 when cue cards are on (CutHelp::AreCueCardsEnabled), else 0.
AFX_EXT_API int QueryCuecardState();
// 0 turns cue cards off, 1 on, any other value toggles them.
AFX_EXT_API void SetCuecardState(int state);
