// CFileDialog: its record, its answers, and the hook dialog as a framework window.
#include <cstdio>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "afxdlgs.h"
#include "dialog_support.h"
#include "vkshost.h"
#include "vkstest.h"

namespace {

// Answers the file dialog once it is shown with what `answer` does.
class FileAnswers {
public:
    using Answer = std::function<int(HWND dialog, char *name, UINT size)>;
    explicit FileAnswers(Answer answer) : answer_(std::move(answer))
    {
        VksHostSetFileDialogAnswerer(&FileAnswers::call, this);
    }
    ~FileAnswers() { VksHostSetFileDialogAnswerer(NULL, NULL); }
    FileAnswers(const FileAnswers &) = delete;
    FileAnswers &operator=(const FileAnswers &) = delete;

private:
    static int call(HWND dialog, const char *, char *name, UINT size, void *context)
    {
        return static_cast<FileAnswers *>(context)->answer_(dialog, name, size);
    }
    Answer answer_;
};

FileAnswers::Answer typing(const char *typed)
{
    return [typed](HWND, char *name, UINT size) {
        std::snprintf(name, size, "%s", typed);
        return IDOK;
    };
}

class FileDialogTest : public fwtest::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        drive.write("docs\\old.txt", "o");
    }

    vkstest::ScopedDriveC drive;
};

TEST_F(FileDialogTest, AnswersSplitTheChosenPath)
{
    const struct {
        const char *typed;
        const char *path;
        const char *name;
        const char *extension;
        const char *title;
    } rows[] = {
        {"report", "C:\\docs\\report.txt", "report.txt", "txt", "report"},
        {"archive.tar.gz", "C:\\docs\\archive.tar.gz", "archive.tar.gz", "gz", "archive.tar"},
        {"..\\top.ini", "C:\\top.ini", "top.ini", "ini", "top"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        CFileDialog dialog(FALSE, "txt", "C:\\docs\\start.txt", OFN_HIDEREADONLY,
                           "Text (*.txt)|*.txt|All|*.*||");
        FileAnswers answers(typing(row.typed));
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_STREQ(row.path, dialog.GetPathName());
        EXPECT_STREQ(row.name, dialog.GetFileName());
        EXPECT_STREQ(row.extension, dialog.GetFileExt());
        EXPECT_STREQ(row.title, dialog.GetFileTitle());
        EXPECT_FALSE(dialog.GetReadOnlyPref());
    }
}

TEST_F(FileDialogTest, RecordCarriesTheConstructorsArguments)
{
    CFileDialog dialog(TRUE, "log", "C:\\docs\\start.log", OFN_FILEMUSTEXIST, "Logs|*.log|");
    EXPECT_EQ(sizeof(OPENFILENAMEA), dialog.m_ofn.lStructSize);
    EXPECT_STREQ("C:\\docs\\start.log", dialog.m_ofn.lpstrFile);
    EXPECT_STREQ("log", dialog.m_ofn.lpstrDefExt);
    EXPECT_EQ(static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_ENABLEHOOK | OFN_EXPLORER),
              dialog.m_ofn.Flags);
    // '|' became NUL, and the list ends with an empty string.
    const char *filter = dialog.m_ofn.lpstrFilter;
    EXPECT_EQ(std::string("Logs\0*.log\0\0", 12), std::string(filter, 12));
}

TEST_F(FileDialogTest, HookDialogIsTheObjectsWindowInsideTheCommonDialog)
{
    CFileDialog dialog(TRUE, NULL, NULL, OFN_HIDEREADONLY, "All|*.*||");
    HWND own = NULL, parent = NULL, common = NULL;
    FileAnswers answers([&](HWND shown, char *, UINT) {
        common = shown;
        own = dialog.GetSafeHwnd();
        parent = ::GetParent(own);
        return IDCANCEL;
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_NE(nullptr, own);
    EXPECT_EQ(common, parent);
    EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
}

// Refuses every name it is offered.
class PickyFileDialog : public CFileDialog {
public:
    PickyFileDialog() : CFileDialog(TRUE, NULL, NULL, OFN_HIDEREADONLY) {}
    int initDone = 0;
    int offered = 0;

protected:
    void OnInitDone() override { ++initDone; }
    BOOL OnFileNameOK() override
    {
        ++offered;
        return TRUE;
    }
};

TEST_F(FileDialogTest, FileNameOkRefusingKeepsTheDialogOpen)
{
    PickyFileDialog dialog;
    dialog.m_ofn.lpstrInitialDir = "C:\\docs";
    FileAnswers answers([&](HWND shown, char *, UINT) {
        ::SetDlgItemTextA(shown, edt1, "old.txt");
        ::SendMessageA(shown, WM_COMMAND, IDOK, 0);
        // Had OK ended the dialog, Cancel would change nothing.
        return IDCANCEL;
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, dialog.initDone);
    EXPECT_EQ(1, dialog.offered);
}

}  // namespace
