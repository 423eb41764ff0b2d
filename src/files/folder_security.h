// CFolderSecurityList: folders with security levels, and how a path stands to them.
#pragma once

#include "afx.h"

// A folder's security level: the values are the caller's; the list stores them and never reads
// them.
enum FSLEVEL : int32_t {};

// How a path stands to the listed folders (GetPathStatus).
enum FSSTATUS : int32_t {
    FSSTATUS_UNRELATED = 0,   // neither a listed folder, nor inside one, nor containing one
    FSSTATUS_CONTAINS = 1,    // a listed folder lies below the path
    FSSTATUS_LISTED = 2,      // the path is a listed folder
    FSSTATUS_INSIDE = 3,      // the path lies inside a listed folder
    FSSTATUS_UNGUARDED = 4,   // folder security is off, or the path is a listed drive root
};

// One listed folder. The critical section is initialised and deleted with the element; the list
// never enters it.
class AFX_EXT_CLASS CFolderSecurityData : public CObject {
public:
    CFolderSecurityData(char const *path, FSLEVEL level);
    ~CFolderSecurityData() override;

    CRITICAL_SECTION m_csData;
    FSLEVEL m_level;
    // The caller's text, unchanged.
    CString m_strPath;
};

// The list owns its CFolderSecurityData elements (a CObList of block size 10). Paths are
// compared as text: listed paths byte for byte, and paths in GetPathStatus without regard to the
// case of single-byte letters, a backslash appended to every path longer than three characters
// so that c:\data is not taken to contain c:\database. A path of three characters or fewer is a
// drive root. None of the operations locks: a list shared between threads needs its users' guard.
class AFX_EXT_CLASS CFolderSecurityList : public CObList {
public:
    // Empty, folder security off (mode 0).
    CFolderSecurityList();
    // Deletes the elements and the critical section.
    ~CFolderSecurityList() override;

    // 0: folder security off; anything else: on.
    void SetFolderSecurityMode(int mode);
    int GetFolderSecurityMode();

    // Appends a folder unless an element with exactly this path text exists (that element keeps
    // its level). 1 when the path is listed afterwards; 0 for a null path.
    int AddData(char const *path, FSLEVEL level);
    // Removes and deletes the first element whose path is exactly `path`.
    void RemoveOneData(char const *path);
    // Removes and deletes every element whose path begins with `path` and a backslash (with no
    // backslash added for a drive root): everything below a folder goes and the folder stays;
    // for a drive root the root's own element goes too. Case-sensitive.
    void RemoveAllSubFolderData(char const *path);

    // FSSTATUS_UNGUARDED when the mode is 0. Otherwise the first element from the head that
    // decides: the path equal to it gives FSSTATUS_LISTED (FSSTATUS_UNGUARDED for a drive root),
    // inside it FSSTATUS_INSIDE, containing it FSSTATUS_CONTAINS; FSSTATUS_UNRELATED when none
    // decides. The order of AddData calls matters for a path inside one folder and containing
    // another. A null path is unrelated to every folder.
    FSSTATUS GetPathStatus(char const *path);

private:
    int m_nFolderSecurityMode;
    CRITICAL_SECTION m_csList;
};
