// TutMessage: choosing the owner and showing the box, closing a question box, and the texts of
// exceptions.
#include <cstring>

#include "log/user_message.h"
#include "util/exceptions.h"
#include "util/startup.h"
#include "util/tutstring.h"

namespace {

constexpr char kOpenBoxMutex[] = "TessvaneVelmora2002TrayExitMenuMutex";
constexpr char kMenuClass[] = "#32768";
constexpr char kDialogClass[] = "#32770";
constexpr int kMessageTextId = 0xFFFF;

bool hasArea(HWND window)
{
    RECT rect{};
    return GetWindowRect(window, &rect) && rect.right > rect.left && rect.bottom > rect.top;
}

bool isMenu(HWND window)
{
    char className[10] = "";
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, kMenuClass) == 0;
}

bool descendsFrom(HWND window, HWND ancestor)
{
    for (HWND up = GetParent(window); up; up = GetParent(up))
        if (up == ancestor)
            return true;
    return false;
}

// The first window, from `window` up through its parents, that can take input.
HWND firstUsableFrom(HWND window)
{
    for (HWND up = window; up; up = GetParent(up))
        if (IsWindowEnabled(up) && IsWindowVisible(up))
            return up;
    return NULL;
}

// The product's own caption, which the boxes and KillYesNo share.
CString productCaption()
{
    CString name;
    utProductName(name);
    return name;
}

// The string of an exception class; 0 for the two classes whose kind decides it.
unsigned int stringOfClass(char const *className)
{
    static const struct {
        char const *className;
        unsigned int id;
    } kStrings[] = {
        {"CGeneralException", 8243},     {"CMemoryException", 8245},
        {"CResourceException", 8247},    {"CNotSupportedException", 8249},
        {"CArchiveException", 8251},     {"CFileException", 8253},
        {"COleException", 8255},         {"CInvalidParamException", 8257},
        {"CTaskException", 0},           {"CCMException", 0},
        {"CException", 8243},
    };
    for (const auto &row : kStrings)
        if (std::strcmp(row.className, className) == 0)
            return row.id;
    return 8259;
}

unsigned int stringOfTaskKind(LONG kind)
{
    switch (kind) {
    case CTaskException::invalidOperation:
        return 8274;
    case CTaskException::alreadyInUse:
        return 8275;
    case CTaskException::invalidParameter:
        return 8276;
    default:
        return 8273;
    }
}

unsigned int stringOfConnectionKind(LONG kind)
{
    switch (kind) {
    case CCMException::outOfMemory:
        return 8283;
    case CCMException::notConnected:
        return 8284;
    case CCMException::alreadyConnected:
        return 8285;
    case CCMException::windowsOpen:
        return 8286;
    default:
        return 8287;
    }
}

}  // namespace

HWND TutMessage::ChooseOwner()
{
    HWND owner = m_ParentWindow;
    if (!m_ParentWindow)
        return NULL;
    for (HWND window = FindWindowA(NULL, NULL); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_POPUP) || !hasArea(window))
            continue;
        if (descendsFrom(window, m_ParentWindow) && !isMenu(window)) {
            owner = window;
            break;
        }
    }
    // A pop-up that cannot take input (a modal box is over it, say) hands the box on to the
    // first of its ancestors that can.
    return owner != m_ParentWindow ? firstUsableFrom(owner) : owner;
}

int TutMessage::PutUpMessageBox(char const *text, unsigned int style)
{
    const HWND owner = ChooseOwner();
    const CString caption = productCaption();
    TutString shown(text);
    shown.expandEmbeddedMacros();
    const HANDLE mutex = CreateMutexA(NULL, TRUE, kOpenBoxMutex);
    const int pressed = MessageBoxA(owner, shown, caption, style | MB_TASKMODAL);
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return pressed;
}

void TutMessage::KillYesNo(char const *text)
{
    if (!text)
        return;
    const HWND box = FindWindowA(kDialogClass, productCaption());
    const HWND message = box ? GetDlgItem(box, kMessageTextId) : NULL;
    if (!message)
        return;
    // The length first: a text longer than the buffer must not match by its beginning.
    if (GetWindowTextLengthA(message) != static_cast<int>(std::strlen(text)) ||
        GetWindowTextA(message, m_szText, sizeof m_szText) != static_cast<int>(std::strlen(text)) ||
        std::strcmp(m_szText, text) != 0)
        return;
    PostMessageA(box, WM_COMMAND, IDNO, reinterpret_cast<LPARAM>(box));
}

char const *TutMessage::GetExceptionText(CException *e)
{
    m_szString[0] = '\0';
    if (!e)
        return m_szString;
    char const *className = e->GetRuntimeClass()->m_lpszClassName;
    unsigned int id = stringOfClass(className);
    if (std::strcmp(className, "CTaskException") == 0)
        id = stringOfTaskKind(static_cast<CTaskException *>(e)->m_type);
    else if (std::strcmp(className, "CCMException") == 0)
        id = stringOfConnectionKind(static_cast<CCMException *>(e)->m_type);
    LoadStringA(utLibraryInstance(), id, m_szString, sizeof m_szString);
    return m_szString;
}
