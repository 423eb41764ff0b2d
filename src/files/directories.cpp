#include "files/directories.h"

#include "windows.h"
#include "shlobj.h"

namespace {

constexpr UINT kMyDocumentsId = 8195;

// Filled on the first call, and again later only while still empty.
char const *cachedText(CString &slot, CString (*compute)())
{
    if (slot.IsEmpty())
        slot = compute();
    return slot;
}

bool endsWithBackslash(CString const &text)
{
    // ReverseFind skips trail bytes, so a double-byte character ending in 0x5C is no separator.
    return !text.IsEmpty() && text.ReverseFind('\\') == text.GetLength() - 1;
}

// A final slash becomes a backslash; any other last character gets one after it. Texts shorter
// than two characters are no directory and are left alone.
CString withClosingBackslash(CString text)
{
    int const length = text.GetLength();
    if (length < 2 || endsWithBackslash(text))
        return text;
    if (text[length - 1] == '/')
        text.SetAt(length - 1, '\\');
    else
        text += '\\';
    return text;
}

using DirectoryQuery = UINT(WINAPI *)(LPSTR, UINT);

// Asks for the size first, then reads into a buffer of that size.
CString lowerCaseDirectory(DirectoryQuery query)
{
    UINT const size = query(nullptr, 0);
    if (size == 0)
        return CString();
    CString text;
    UINT const length = query(text.GetBuffer(static_cast<int>(size)), size);
    text.ReleaseBuffer(length < size ? static_cast<int>(length) : 0);
    text.MakeLower();
    return withClosingBackslash(text);
}

// The subdirectory is made here when missing; a failure shows later, when its files are used.
CString madeSubdirectory(char const *parent, char const *name)
{
    CString directory = CString(parent) + name;
    CreateDirectoryA(directory, nullptr);
    return directory + "\\";
}

CString executableDirectory()
{
    char name[MAX_PATH + 1] = {};
    DWORD const length = GetModuleFileNameA(nullptr, name, MAX_PATH);
    // A cut name would give a wrong directory; no directory is the honest answer then.
    if (length == 0 || length >= MAX_PATH)
        return CString();
    CString directory(name);
    directory.MakeLower();
    int const lastBackslash = directory.ReverseFind('\\');
    if (lastBackslash > 0)
        directory = directory.Left(lastBackslash + 1);
    return directory;
}

// The documents folder as the shell gives it, or "" when the shell has no file-system folder.
CString shellDocumentsFolder()
{
    LPITEMIDLIST location = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &location)))
        return CString();
    char path[MAX_PATH] = {};
    BOOL const isFolder = SHGetPathFromIDListA(location, path);
    LPMALLOC allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
        allocator->Free(location);
        allocator->Release();
    }
    return isFolder ? CString(path) : CString();
}

// "My Documents" at the root of the Windows directory's drive, made when missing.
CString fallbackDocumentsFolder()
{
    CString folder = TutDirectories::windows();
    folder = folder.Left(folder.Find('\\') + 1);
    CString name;
    name.LoadString(kMyDocumentsId);
    folder += name;
    TutDirectories::RMakeDir(folder);
    return folder;
}

CString userFilesDirectory()
{
    CString folder = shellDocumentsFolder();
    if (folder.IsEmpty())
        folder = fallbackDocumentsFolder();
    return endsWithBackslash(folder) ? folder : folder + "\\";
}

bool createdOrPresent(CString const &path)
{
    return CreateDirectoryA(path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// The parent of "c:\\a\\b" and of "c:\\a\\b\\" is "c:\\a"; "" when there is no backslash.
CString parentOf(CString path)
{
    if (endsWithBackslash(path))
        path = path.Left(path.GetLength() - 1);
    int const lastBackslash = path.ReverseFind('\\');
    return lastBackslash < 0 ? CString() : path.Left(lastBackslash);
}

}  // namespace

char const *TutDirectories::windows()
{
    static CString text;
    return cachedText(text, [] { return lowerCaseDirectory(GetWindowsDirectoryA); });
}

char const *TutDirectories::system()
{
    static CString text;
    return cachedText(text, [] { return lowerCaseDirectory(GetSystemDirectoryA); });
}

char const *TutDirectories::company()
{
    static CString text;
    return cachedText(text, [] { return madeSubdirectory(windows(), "vks32"); });
}

char const *TutDirectories::data()
{
    static CString text;
    return cachedText(text, [] { return madeSubdirectory(company(), "VELMORA"); });
}

char const *TutDirectories::application()
{
    static CString text;
    return cachedText(text, executableDirectory);
}

char const *TutDirectories::UserFiles()
{
    static CString text;
    return cachedText(text, userFilesDirectory);
}

int TutDirectories::RMakeDir(CString path)
{
    if (CreateDirectoryA(path, nullptr))
        return 0;
    DWORD const error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS)
        return 0;
    if (error != ERROR_PATH_NOT_FOUND || path.GetLength() <= 3)
        return 1;
    CString const parent = parentOf(path);
    if (parent.IsEmpty())
        return 1;
    RMakeDir(parent);
    // One more attempt and no further recursion: a parent that cannot be made (a drive that is
    // not there) must not send us round the same path for ever.
    return createdOrPresent(path) ? 0 : 1;
}
