/* shlobj.h: the shell's special folders, item lists and task allocator. */
#ifndef VKS_SHLOBJ_H
#define VKS_SHLOBJ_H

#include "windef.h"
#include "winerror.h"

VKS_BEGIN_EXPORTED_C

/* An item list: a run of length-prefixed items ended by an item whose cb is 0. */
typedef struct _SHITEMID {
  USHORT cb; /* size of the item, cb included */
  BYTE abID[1];
} SHITEMID, *LPSHITEMID;
typedef const SHITEMID *LPCSHITEMID;

typedef struct _ITEMIDLIST {
  SHITEMID mkid;
} ITEMIDLIST, *LPITEMIDLIST;
typedef const ITEMIDLIST *LPCITEMIDLIST;

/* The shell's task allocator. Item lists the shell hands out are freed with its Free. */
typedef struct IMalloc IMalloc, *LPMALLOC;

typedef struct IMallocVtbl {
  ULONG (WINAPI *AddRef)(IMalloc *This);
  ULONG (WINAPI *Release)(IMalloc *This);
  void (WINAPI *Free)(IMalloc *This, void *pv);
} IMallocVtbl;

struct IMalloc {
  const IMallocVtbl *lpVtbl;
#ifdef __cplusplus
  ULONG AddRef() { return lpVtbl->AddRef(this); }
  ULONG Release() { return lpVtbl->Release(this); }
  void Free(void *pv) { lpVtbl->Free(this, pv); }
#endif
};

#define CSIDL_PERSONAL 0x0005

/* The location of special folder `nFolder`; only the personal (documents) folder is known.
   S_OK with a list to free through SHGetMalloc; E_INVALIDARG for another folder, E_FAIL when
   the folder does not exist. *ppidl is NULL on failure. */
HRESULT WINAPI SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder, LPITEMIDLIST *ppidl);

/* Writes the DOS path of a file-system location, without a trailing backslash, into pszPath
   (MAX_PATH bytes). FALSE, with pszPath an empty text, when the list names no file-system
   folder. */
BOOL WINAPI SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR pszPath);

/* The shell's task allocator, one per process; each call adds a reference. */
HRESULT WINAPI SHGetMalloc(LPMALLOC *ppMalloc);

VKS_END_EXPORTED_C

#endif
