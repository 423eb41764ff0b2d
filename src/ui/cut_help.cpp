// CutHelp: the help files, help maps and the requests to the help viewer.
#include "ui/cut_help.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CutHelp, CObject)

char CutHelp::m_mainHelp[260] = "";
char CutHelp::m_contextHelp[260] = "";
UINT CutHelp::m_nQSmsg = 0;
UINT CutHelp::m_notifyQSEvent = 0;
ULONG CutHelp::m_globalContextHelp[2] = {0, 0};
int CutHelp::m_bKeepCueCard = 0;

namespace {

constexpr ULONG kQuickStepsTopicOffset = 10000;

// Copies at most size - 1 bytes and a NUL, never splitting a double-byte character.
void copyCut(char *buffer, std::size_t size, char const *text)
{
    std::size_t used = 0;
    if (text) {
        while (text[used] && used + 1 < size) {
            const bool lead = IsDBCSLeadByte(static_cast<BYTE>(text[used])) && text[used + 1];
            if (lead && used + 2 >= size)
                break;
            used += lead ? 2 : 1;
        }
        std::memcpy(buffer, text, used);
    }
    buffer[used] = '\0';
}

// The framework's standard command identifiers and the help engine's own have no context help.
bool isExcludedFromContextHelp(int id)
{
    return (id >= 57088 && id <= 57343) || (id >= 28417 && id <= 28672);
}

HWND handleOf(CWnd *pWnd)
{
    return pWnd ? pWnd->GetSafeHwnd() : NULL;
}

}  // namespace

CutHelp::CutHelp() {}

CutHelp::~CutHelp() {}

void CutHelp::MainHelpFile(char const *path)
{
    copyCut(m_mainHelp, sizeof m_mainHelp, path);
}

char const *CutHelp::MainHelpFile()
{
    return m_mainHelp;
}

void CutHelp::ContextHelpFile(char const *path)
{
    copyCut(m_contextHelp, sizeof m_contextHelp, path);
}

char const *CutHelp::ContextHelpFile()
{
    return m_contextHelp;
}

char const *CutHelp::QSHelpFile()
{
    return m_contextHelp;
}

void CutHelp::QSHelpFile(char const *) {}

ULONG *CutHelp::GetHelpMap()
{
    return m_globalContextHelp;
}

void CutHelp::EnableKeepCueCard()
{
    m_bKeepCueCard = 1;
}

void CutHelp::DisableKeepCueCard()
{
    m_bKeepCueCard = 0;
}

int CutHelp::KeepCueCard()
{
    return m_bKeepCueCard;
}

int CutHelp::IsIDInTable(ULONG id, ULONG *map)
{
    if (!map)
        return 0;
    for (; map[0] != 0; map += 2)
        if (map[0] == id)
            return 1;
    return 0;
}

void CutHelp::OnHelp(ULONG helpId)
{
    CWnd *mainWnd = AfxGetMainWnd();
    CString file = CString(m_mainHelp) + ">command";
    WinHelpA(handleOf(mainWnd), file, HELP_CONTEXT, helpId);
}

void CutHelp::OnWMHelp(LPARAM helpInfo, ULONG *map)
{
    const HELPINFO *info = reinterpret_cast<const HELPINFO *>(helpInfo);
    if (!info)
        return;
    const HWND control = static_cast<HWND>(info->hItemHandle);
    const int id = GetDlgCtrlID(control);
    if (id != 0 && (isExcludedFromContextHelp(id) || id == 65535))
        return;
    WinHelpA(control, m_contextHelp, HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(map));
}

void CutHelp::OnContextMenu(HWND hWnd, ULONG *map)
{
    const int id = GetDlgCtrlID(hWnd);
    if (id != 0 && isExcludedFromContextHelp(id))
        return;
    WinHelpA(hWnd, m_contextHelp, HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(map));
}

void CutHelp::OnQSMsg(CWnd *pWnd, ULONG helpId)
{
    CString file = CString(m_contextHelp) + ">smarthlp";
    WinHelpA(handleOf(pWnd), file, HELP_CONTEXT, helpId + kQuickStepsTopicOffset);
}
