// The common Open and Save dialog: its listing, the name it returns, its errors, and the hook
// dialog's messages in Windows' order.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vkshost.h"
#include "vkspath.h"
#include "vkstest.h"
#include "vkstext.h"
#include "window_fixtures.h"
#include "windows.h"
#include "commdlg.h"

namespace {

constexpr int kExtraTemplate = 720;

// Answers the file dialog (and any message box over it) for one test.
class ScopedAnswers {
public:
    using FileAnswer = std::function<int(HWND dialog, const char *folder, char *name, UINT size)>;
    using BoxAnswer = std::function<int(HWND owner, const char *text)>;

    explicit ScopedAnswers(FileAnswer file, BoxAnswer box = {})
        : file_(std::move(file)), box_(std::move(box))
    {
        VksHostSetFileDialogAnswerer(&ScopedAnswers::answerFile, this);
        VksHostSetMessageBoxAnswerer(&ScopedAnswers::answerBox, this);
    }
    ~ScopedAnswers()
    {
        VksHostSetFileDialogAnswerer(nullptr, nullptr);
        VksHostSetMessageBoxAnswerer(nullptr, nullptr);
    }
    ScopedAnswers(const ScopedAnswers &) = delete;
    ScopedAnswers &operator=(const ScopedAnswers &) = delete;

    int boxes = 0;

private:
    static int answerFile(HWND dialog, const char *folder, char *name, UINT size, void *context)
    {
        return static_cast<ScopedAnswers *>(context)->file_(dialog, folder, name, size);
    }
    static int answerBox(HWND owner, const char *text, const char *, UINT, void *context)
    {
        auto *self = static_cast<ScopedAnswers *>(context);
        ++self->boxes;
        return self->box_ ? self->box_(owner, text) : IDOK;
    }

    FileAnswer file_;
    BoxAnswer box_;
};

// Types the name and presses OK.
ScopedAnswers::FileAnswer typing(const char *typed)
{
    return [typed](HWND, const char *, char *name, UINT size) {
        std::snprintf(name, size, "%s", typed);
        return IDOK;
    };
}

std::string itemText(HWND dialog, int id)
{
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class FileDialogTest : public vkstest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        drive.write("docs\\a.txt", "a");
        drive.write("docs\\B.TXT", "b");
        drive.write("docs\\c.log", "c");
        drive.write("docs\\sub\\inner.txt", "i");
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrInitialDir = "C:\\docs";
        ofn.lpstrFilter = "Text files\0*.txt\0Logs\0*.log;*.tmp\0";
    }

    vkstest::ScopedDriveC drive;
    OPENFILENAMEA ofn{};
    char file[MAX_PATH] = {};
};

TEST_F(FileDialogTest, ListsTheFolderUnderTheChosenFilter)
{
    const struct {
        const char *name;
        DWORD filterIndex;
        const char *listing;
        const char *type;
    } rows[] = {
        {"first filter for 0", 0, "[sub]\na.txt\nB.TXT", "Text files"},
        {"second filter, two patterns", 2, "[sub]\nc.log", "Logs"},
        {"past the end: the first", 7, "[sub]\na.txt\nB.TXT", "Text files"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ofn.nFilterIndex = row.filterIndex;
        std::string listing, type, folder;
        ScopedAnswers answers([&](HWND dialog, const char *shown, char *, UINT) {
            listing = itemText(dialog, lst1);
            type = itemText(dialog, cmb1);
            folder = shown;
            return IDCANCEL;
        });
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(GetOpenFileNameA(&ofn));
        EXPECT_EQ(0u, CommDlgExtendedError());
        EXPECT_EQ(row.listing, listing);
        EXPECT_EQ(row.type, type);
        EXPECT_EQ("C:\\docs", folder);
    }
}

TEST_F(FileDialogTest, HostFolderIsShownByItsDosName)
{
    const std::string host = (drive.root() / "docs").string();
    ofn.lpstrInitialDir = host.c_str();
    std::string folder, listing;
    ScopedAnswers answers([&](HWND dialog, const char *shown, char *, UINT) {
        folder = shown;
        listing = itemText(dialog, lst1);
        return IDCANCEL;
    });
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ("C:\\docs", folder);
    EXPECT_EQ("[sub]\na.txt\nB.TXT", listing);
}

// Host names are UTF-8 and the dialog speaks the code page (932 here): a name is listed and
// returned in it, and opens; a name with a character the code page lacks shows '?', a wildcard,
// so typing it filters rather than chooses.
TEST_F(FileDialogTest, HostNamesAreListedAndReturnedInTheCodePage)
{
    vkstest::ScopedCodePage japanese(932);
    const std::string kanji = "\x93\xFA\x96\x7B\x8C\xEA.txt";  // 日本語.txt
    std::ofstream(drive.root() / "docs" / "日本語.txt") << "j";
    std::ofstream(drive.root() / "docs" / "café.txt") << "c";
    ofn.Flags = OFN_FILEMUSTEXIST;
    std::string listing, filtered;
    ScopedAnswers listed([&](HWND dialog, const char *, char *, UINT) {
        listing = itemText(dialog, lst1);
        SetDlgItemTextA(dialog, edt1, "caf?.txt");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        filtered = itemText(dialog, lst1);
        return IDCANCEL;
    });
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ("[sub]\na.txt\nB.TXT\ncaf?.txt\n" + kanji, listing);
    EXPECT_EQ("[sub]\ncaf?.txt", filtered) << "the name with '?' became the filter";

    ScopedAnswers chosen(typing(kanji.c_str()));
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ("C:\\docs\\" + kanji, std::string(file));
    char host[MAX_PATH * 4] = {};
    ASSERT_LT(0u, VksHostPathOf(file, host, sizeof host));
    EXPECT_EQ((drive.root() / "docs" / "日本語.txt").string(), host) << "the name returned opens";
}

TEST_F(FileDialogTest, ReturnsTheTypedNameAsAFullPathWithItsOffsets)
{
    const struct {
        const char *typed;
        const char *defExt;
        const char *path;
        WORD offset;
        WORD extension;
    } rows[] = {
        {"a.txt", nullptr, "C:\\docs\\a.txt", 8, 10},
        {"report", "txt", "C:\\docs\\report.txt", 8, 15},
        {"report.", "txt", "C:\\docs\\report.", 8, 15},
        {"noext", nullptr, "C:\\docs\\noext", 8, 0},
        {"sub\\x.log", "txt", "C:\\docs\\sub\\x.log", 12, 14},
        {"..\\up.txt", nullptr, "C:\\up.txt", 3, 6},
        {"\\root.dat", nullptr, "C:\\root.dat", 3, 8},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        char title[8] = {};
        ofn.lpstrDefExt = row.defExt;
        ofn.lpstrFileTitle = title;
        ofn.nMaxFileTitle = sizeof title;
        file[0] = '\0';
        ScopedAnswers answers(typing(row.typed));
        EXPECT_TRUE(GetSaveFileNameA(&ofn));
        EXPECT_EQ(0u, CommDlgExtendedError());
        EXPECT_STREQ(row.path, file);
        EXPECT_EQ(row.offset, ofn.nFileOffset);
        EXPECT_EQ(row.extension, ofn.nFileExtension);
        // The title is cut to its buffer.
        EXPECT_EQ(std::string(row.path + row.offset).substr(0, sizeof title - 1), title);
    }
}

// The host's (UTF-8) name of a name in the code page.
std::string hostName(const char *ansi)
{
    char utf8[MAX_PATH * 4] = {};
    EXPECT_LT(0, VksAnsiToUtf8(ansi, utf8, sizeof utf8));
    return utf8;
}

// In code page 932, 0x95 0x5C is one character (a folder named with it ends in what looks like a
// backslash): the folder keeps its name, whether the dialog starts there or in the folder of the
// file given.
TEST_F(FileDialogTest, FolderEndingInADoubleByteCharacterKeepsItsName)
{
    vkstest::ScopedCodePage japanese(932);
    const std::string folder = "C:\\\x95\x5C";
    const std::string hostFolder = hostName("\x95\x5C");
    ASSERT_EQ("\xE8\xA1\xA8", hostFolder) << "U+8868 in UTF-8";
    std::filesystem::create_directories(drive.root() / hostFolder);
    std::ofstream(drive.root() / hostFolder / "a.ini") << "a";
    ofn.lpstrFilter = "Settings\0*.ini\0";
    const struct {
        const char *name;
        const char *initialDir;
        const char *file;
    } rows[] = {
        {"initial folder", "C:\\\x95\x5C", ""},
        {"folder of the file given", nullptr, "C:\\\x95\x5C\\old.ini"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ofn.lpstrInitialDir = row.initialDir;
        std::snprintf(file, sizeof file, "%s", row.file);
        std::string shown, listing;
        ScopedAnswers answers([&](HWND dialog, const char *shownFolder, char *name, UINT size) {
            shown = shownFolder;
            listing = itemText(dialog, lst1);
            std::snprintf(name, size, "%s", "a.ini");
            return IDOK;
        });
        EXPECT_TRUE(GetOpenFileNameA(&ofn));
        EXPECT_EQ(folder, shown);
        EXPECT_EQ("a.ini", listing);
        EXPECT_STREQ("C:\\\x95\x5C\\a.ini", file);
        EXPECT_EQ(6, ofn.nFileOffset);
        EXPECT_EQ(8, ofn.nFileExtension);
    }
}

TEST_F(FileDialogTest, TypedFolderIsOpenedAndTheDialogStays)
{
    std::string listing, folder, typedAfter;
    ScopedAnswers answers([&](HWND dialog, const char *, char *name, UINT size) {
        SetDlgItemTextA(dialog, edt1, "SUB");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        listing = itemText(dialog, lst1);
        typedAfter = itemText(dialog, edt1);
        char shown[MAX_PATH] = {};
        SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof shown, reinterpret_cast<LPARAM>(shown));
        folder = shown;
        std::snprintf(name, size, "%s", "inner.txt");
        return IDOK;
    });
    EXPECT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ("inner.txt", listing);
    EXPECT_EQ("", typedAfter);
    EXPECT_EQ("C:\\docs\\SUB", folder);
    EXPECT_STREQ("C:\\docs\\SUB\\inner.txt", file);
}

TEST_F(FileDialogTest, PathTooLongForTheBufferGivesTheSizeItNeeds)
{
    char small[10] = {};
    ofn.lpstrFile = small;
    ofn.nMaxFile = sizeof small;
    ScopedAnswers answers(typing("report.txt"));
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(static_cast<DWORD>(FNERR_BUFFERTOOSMALL), CommDlgExtendedError());
    WORD needed = 0;
    std::memcpy(&needed, small, sizeof needed);
    // "C:\docs\report.txt" and its NUL.
    EXPECT_EQ(19, needed);
}

TEST_F(FileDialogTest, RefusesARecordItCannotUse)
{
    const struct {
        const char *name;
        DWORD size;
        bool hasFile;
        DWORD flags;
        DWORD error;
    } rows[] = {
        {"no size", 0, true, 0, CDERR_STRUCTSIZE},
        {"the 32-bit size", 76, true, 0, CDERR_STRUCTSIZE},
        {"no file buffer", sizeof(OPENFILENAMEA), false, 0, CDERR_INITIALIZATION},
        {"a template without an instance", sizeof(OPENFILENAMEA), true, OFN_ENABLETEMPLATE,
         CDERR_NOHINSTANCE},
    };
    bool asked = false;
    ScopedAnswers answers([&](HWND, const char *, char *, UINT) {
        asked = true;
        return IDCANCEL;
    });
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ofn.lStructSize = row.size;
        ofn.lpstrFile = row.hasFile ? file : nullptr;
        ofn.Flags = row.flags;
        EXPECT_FALSE(GetOpenFileNameA(&ofn));
        EXPECT_EQ(row.error, CommDlgExtendedError());
    }
    EXPECT_FALSE(asked);
}

TEST_F(FileDialogTest, MissingTemplateIsAFindError)
{
    ofn.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE;
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpTemplateName = MAKEINTRESOURCEA(999);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(static_cast<DWORD>(CDERR_FINDRESFAILURE), CommDlgExtendedError());
}

TEST_F(FileDialogTest, FlagsCheckTheNameBeforeItIsTaken)
{
    const struct {
        const char *name;
        bool save;
        DWORD flags;
        const char *typed;
        int boxAnswer;  // 0: the box is answered and the dialog then cancelled
        int boxes;
        BOOL result;
    } rows[] = {
        {"open, file must exist, missing", false, OFN_FILEMUSTEXIST, "none.txt", 0, 1, FALSE},
        {"open, file must exist, present", false, OFN_FILEMUSTEXIST, "a.txt", 0, 0, TRUE},
        {"open, missing, create: yes", false, OFN_CREATEPROMPT, "new.txt", IDYES, 1, TRUE},
        {"open, missing, create: no", false, OFN_CREATEPROMPT, "new.txt", 0, 1, FALSE},
        {"path must exist, missing", true, OFN_PATHMUSTEXIST, "nowhere\\x.txt", 0, 1, FALSE},
        {"path may be missing", true, 0, "nowhere\\x.txt", 0, 0, TRUE},
        {"save over, replace: yes", true, OFN_OVERWRITEPROMPT, "a.txt", IDYES, 1, TRUE},
        {"save over, replace: no", true, OFN_OVERWRITEPROMPT, "a.txt", 0, 1, FALSE},
        {"save over without the prompt", true, 0, "a.txt", 0, 0, TRUE},
        {"invalid character", true, 0, "a|b.txt", 0, 1, FALSE},
        {"invalid character, no validation", true, OFN_NOVALIDATE, "a|b.txt", 0, 0, TRUE},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ofn.Flags = row.flags;
        ScopedAnswers answers(typing(row.typed), [&](HWND owner, const char *) {
            if (row.boxAnswer)
                return row.boxAnswer;
            PostMessageA(owner, WM_COMMAND, IDCANCEL, 0);
            return row.flags & (OFN_CREATEPROMPT | OFN_OVERWRITEPROMPT) ? IDNO : IDOK;
        });
        const BOOL result = row.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
        EXPECT_EQ(row.result, result);
        EXPECT_EQ(row.boxes, answers.boxes);
    }
}

TEST_F(FileDialogTest, StandardControlsFollowTheFlags)
{
    const struct {
        const char *name;
        DWORD flags;
        bool help;
        bool readOnly;
    } rows[] = {
        {"plain", 0, false, true},
        {"help", OFN_SHOWHELP, true, true},
        {"no read-only box", OFN_HIDEREADONLY, false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ofn.Flags = row.flags;
        bool help = false, readOnly = false, ok = false, cancel = false, name = false;
        ScopedAnswers answers([&](HWND dialog, const char *, char *, UINT) {
            help = GetDlgItem(dialog, pshHelp) != nullptr;
            readOnly = GetDlgItem(dialog, chx1) != nullptr;
            ok = GetDlgItem(dialog, IDOK) != nullptr;
            cancel = GetDlgItem(dialog, IDCANCEL) != nullptr;
            name = GetDlgItem(dialog, edt1) != nullptr;
            return IDCANCEL;
        });
        GetOpenFileNameA(&ofn);
        EXPECT_EQ(row.help, help);
        EXPECT_EQ(row.readOnly, readOnly);
        EXPECT_TRUE(ok && cancel && name);
    }
}

TEST_F(FileDialogTest, ReadOnlyBoxSetsTheFlag)
{
    ScopedAnswers answers([&](HWND dialog, const char *, char *name, UINT size) {
        SendMessageA(GetDlgItem(dialog, chx1), BM_CLICK, 0, 0);
        std::snprintf(name, size, "%s", "a.txt");
        return IDOK;
    });
    EXPECT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(static_cast<DWORD>(OFN_READONLY), ofn.Flags & OFN_READONLY);
}

// The hook dialog's messages and the main dialog's WM_SHOWWINDOW, as the hook sees them.
struct HookSeen {
    bool mainDialog;
    UINT message;
    UINT code;

    bool operator==(const HookSeen &) const = default;
};

std::vector<HookSeen> &hookLog()
{
    static std::vector<HookSeen> log;
    return log;
}

WNDPROC mainDialogProc = nullptr;
LPARAM initParam = 0;
HWND hookWindow = nullptr;
UINT fileOkAnswers = 0;

LRESULT CALLBACK watchMainDialog(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SHOWWINDOW)
        hookLog().push_back({true, message, 0});
    return CallWindowProcA(mainDialogProc, hwnd, message, wParam, lParam);
}

UINT_PTR CALLBACK recordingHook(HWND hook, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        hookWindow = hook;
        initParam = lParam;
        mainDialogProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            GetParent(hook), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchMainDialog)));
        hookLog().push_back({false, message, 0});
        return TRUE;
    case WM_SHOWWINDOW:
        hookLog().push_back({false, message, 0});
        return FALSE;
    case WM_NOTIFY: {
        const auto *notify = reinterpret_cast<const OFNOTIFYA *>(lParam);
        hookLog().push_back({false, message, notify->hdr.code});
        if (notify->hdr.code == CDN_FILEOK && fileOkAnswers) {
            --fileOkAnswers;
            return 1;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

class FileDialogHookTest : public FileDialogTest {
protected:
    void SetUp() override
    {
        FileDialogTest::SetUp();
        hookLog().clear();
        hookWindow = nullptr;
        initParam = 0;
        fileOkAnswers = 0;
        ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
        ofn.hInstance = GetModuleHandleA(nullptr);
        ofn.lpTemplateName = MAKEINTRESOURCEA(kExtraTemplate);
        ofn.lpfnHook = recordingHook;
    }
};

TEST_F(FileDialogHookTest, HookDialogIsShownBeforeTheMainDialog)
{
    ScopedAnswers answers(typing("a.txt"));
    EXPECT_TRUE(GetOpenFileNameA(&ofn));
    const std::vector<HookSeen> expected = {
        {false, WM_INITDIALOG, 0},         {false, WM_SHOWWINDOW, 0},
        {false, WM_NOTIFY, CDN_INITDONE},  {false, WM_NOTIFY, CDN_FOLDERCHANGE},
        {true, WM_SHOWWINDOW, 0},          {false, WM_NOTIFY, CDN_FILEOK},
    };
    EXPECT_EQ(expected, hookLog());
    EXPECT_EQ(reinterpret_cast<LPARAM>(&ofn), initParam);
}

TEST_F(FileDialogHookTest, TemplateIsAChildDialogBelowTheStandardControls)
{
    HWND hookParent = nullptr, check = nullptr, dialogFound = nullptr;
    RECT hookRect{}, cancelRect{};
    ScopedAnswers answers([&](HWND dialog, const char *, char *, UINT) {
        dialogFound = dialog;
        hookParent = GetParent(hookWindow);
        check = GetDlgItem(hookWindow, 301);
        GetWindowRect(hookWindow, &hookRect);
        GetWindowRect(GetDlgItem(dialog, IDCANCEL), &cancelRect);
        return IDCANCEL;
    });
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(dialogFound, hookParent);
    EXPECT_NE(nullptr, check);
    EXPECT_GT(hookRect.top, cancelRect.bottom);
}

TEST_F(FileDialogHookTest, HookRefusingFileOkKeepsTheDialogOpen)
{
    fileOkAnswers = 1;
    int pressed = 0;
    ScopedAnswers answers([&](HWND dialog, const char *, char *name, UINT size) {
        SetDlgItemTextA(dialog, edt1, "a.txt");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        pressed = IsWindowVisible(dialog) ? 1 : 0;
        std::snprintf(name, size, "%s", "a.txt");
        return IDOK;  // pressed again, now taken
    });
    EXPECT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(1, pressed);
    EXPECT_STREQ("C:\\docs\\a.txt", file);
}

TEST_F(FileDialogHookTest, DialogMessagesAnswerTheTypedName)
{
    const struct {
        const char *name;
        UINT message;
        WPARAM size;
        LRESULT result;
        const char *text;
    } rows[] = {
        {"the name typed", CDM_GETSPEC, 64, 6, "b.txt"},
        {"path", CDM_GETFILEPATH, 64, 14, "C:\\docs\\b.txt"},
        {"folder", CDM_GETFOLDERPATH, 64, 8, "C:\\docs"},
        {"path cut to the buffer", CDM_GETFILEPATH, 5, 14, "C:\\d"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        LRESULT result = 0;
        char text[64] = {};
        ScopedAnswers answers([&](HWND dialog, const char *, char *, UINT) {
            SetDlgItemTextA(dialog, edt1, "b.txt");
            result = SendMessageA(GetParent(hookWindow), row.message, row.size,
                                  reinterpret_cast<LPARAM>(text));
            return IDCANCEL;
        });
        GetOpenFileNameA(&ofn);
        EXPECT_EQ(row.result, result);
        EXPECT_STREQ(row.text, text);
    }
}

}  // namespace
