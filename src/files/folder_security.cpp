// CFolderSecurityList: the folder list and the path test.
#include "files/folder_security.h"

#include <cstring>

namespace {

constexpr int kDriveRootLength = 3;

bool isDriveRoot(CString const &path)
{
    return path.GetLength() <= kDriveRootLength;
}

// The form paths are compared in: upper case, a backslash after anything longer than a root.
CString comparable(char const *path)
{
    CString text(path);
    text.MakeUpper();
    if (!isDriveRoot(text))
        text += '\\';
    return text;
}

bool beginsWith(CString const &text, CString const &prefix)
{
    return std::strncmp(text, prefix, static_cast<size_t>(prefix.GetLength())) == 0;
}

CFolderSecurityData *dataAt(CObList const &list, POSITION position)
{
    return static_cast<CFolderSecurityData *>(list.GetAt(position));
}

}  // namespace

CFolderSecurityData::CFolderSecurityData(char const *path, FSLEVEL level)
    : m_level(level), m_strPath(path)
{
    InitializeCriticalSection(&m_csData);
}

CFolderSecurityData::~CFolderSecurityData()
{
    DeleteCriticalSection(&m_csData);
}

CFolderSecurityList::CFolderSecurityList() : CObList(10), m_nFolderSecurityMode(0)
{
    InitializeCriticalSection(&m_csList);
}

CFolderSecurityList::~CFolderSecurityList()
{
    DeleteCriticalSection(&m_csList);
    while (!IsEmpty())
        delete static_cast<CFolderSecurityData *>(RemoveHead());
}

void CFolderSecurityList::SetFolderSecurityMode(int mode)
{
    m_nFolderSecurityMode = mode;
}

int CFolderSecurityList::GetFolderSecurityMode()
{
    return m_nFolderSecurityMode;
}

int CFolderSecurityList::AddData(char const *path, FSLEVEL level)
{
    if (!path)
        return 0;
    for (POSITION pos = GetHeadPosition(); pos; GetNext(pos)) {
        if (std::strcmp(dataAt(*this, pos)->m_strPath, path) == 0)
            return 1;
    }
    AddTail(new CFolderSecurityData(path, level));
    return 1;
}

void CFolderSecurityList::RemoveOneData(char const *path)
{
    if (!path)
        return;
    for (POSITION pos = GetHeadPosition(); pos; GetNext(pos)) {
        CFolderSecurityData *data = dataAt(*this, pos);
        if (std::strcmp(data->m_strPath, path) == 0) {
            RemoveAt(pos);
            delete data;
            return;
        }
    }
}

void CFolderSecurityList::RemoveAllSubFolderData(char const *path)
{
    if (!path)
        return;
    CString prefix(path);
    if (!isDriveRoot(prefix))
        prefix += '\\';
    for (POSITION pos = GetHeadPosition(); pos;) {
        const POSITION current = pos;
        CFolderSecurityData *data = static_cast<CFolderSecurityData *>(GetNext(pos));
        if (beginsWith(data->m_strPath, prefix)) {
            RemoveAt(current);
            delete data;
        }
    }
}

FSSTATUS CFolderSecurityList::GetPathStatus(char const *path)
{
    if (m_nFolderSecurityMode == 0)
        return FSSTATUS_UNGUARDED;
    if (!path)
        return FSSTATUS_UNRELATED;
    const CString target = comparable(path);
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CString folder = comparable(static_cast<CFolderSecurityData *>(GetNext(pos))->m_strPath);
        if (std::strcmp(folder, target) == 0)
            return isDriveRoot(target) ? FSSTATUS_UNGUARDED : FSSTATUS_LISTED;
        if (beginsWith(target, folder))
            return FSSTATUS_INSIDE;
        if (beginsWith(folder, target))
            return FSSTATUS_CONTAINS;
    }
    return FSSTATUS_UNRELATED;
}
