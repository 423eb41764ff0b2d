// Which host font a face name gets when the table cannot give its own: fontconfig's choice for a
// name it does not hold, said once on the debug output, and a clear error for a package's font
// that is missing.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gdi32/font_catalog.h"
#include "vkshost.h"
#include "windows.h"

namespace {

class DebugLog {
public:
    DebugLog() { VksHostSetDebugOutput(&DebugLog::keep, this); }
    ~DebugLog() { VksHostSetDebugOutput(nullptr, nullptr); }
    std::vector<std::string> lines;

private:
    static void keep(const char *text, void *context)
    {
        static_cast<DebugLog *>(context)->lines.emplace_back(text);
    }
};

// Points fonts-wine's folder elsewhere for the test's life.
class ScopedWineFontFolder {
public:
    explicit ScopedWineFontFolder(const char *folder)
    {
        vks::detail::setWineFontFolderForTesting(folder);
    }
    ~ScopedWineFontFolder() { vks::detail::setWineFontFolderForTesting(nullptr); }
};

std::vector<std::string> mentioning(const std::vector<std::string> &lines, const std::string &what)
{
    std::vector<std::string> found;
    for (const std::string &line : lines)
        if (line.find(what) != std::string::npos)
            found.push_back(line);
    return found;
}

TEST(FontChoice, AnUnknownFaceTakesFontconfigsChoiceAndSaysSoOnce)
{
    DebugLog log;
    const HDC dc = CreateCompatibleDC(nullptr);
    for (int i = 0; i < 2; ++i) {
        const HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                       "Nowhere Sans Unknown");
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32A(dc, "Hello", 5, &size));
        EXPECT_GT(size.cx, 0);
        char face[LF_FACESIZE] = {};
        EXPECT_GT(GetTextFaceA(dc, sizeof face, face), 1);
        EXPECT_STRNE("Nowhere Sans Unknown", face);
        SelectObject(dc, previous);
        DeleteObject(font);
    }
    DeleteDC(dc);
    const std::vector<std::string> told = mentioning(log.lines, "Nowhere Sans Unknown");
    ASSERT_EQ(1u, told.size());
    EXPECT_NE(std::string::npos, told[0].find("fontconfig chose"));
}

TEST(FontChoice, AMissingPackageFontFailsTheTextCallsAndNamesThePackage)
{
    ScopedWineFontFolder folder("/nonexistent/fonts-of-this-test");
    DebugLog log;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    SelectObject(dc, font);
    TEXTMETRICA tm{};
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32A(dc, "x", 1, &size));
    EXPECT_FALSE(TextOutA(dc, 0, 0, "x", 1));
    const std::vector<std::string> told = mentioning(log.lines, "fonts-of-this-test");
    ASSERT_EQ(1u, told.size());
    EXPECT_NE(std::string::npos, told[0].find("tahoma.ttf"));
    EXPECT_NE(std::string::npos, told[0].find("install the Debian package fonts-wine"));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteDC(dc);
}

}  // namespace
