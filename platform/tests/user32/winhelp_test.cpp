// WinHelpA: the host's viewer and, without one, the help log.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vkshost.h"
#include "vkstest.h"
#include "window_fixtures.h"
#include "windows.h"

namespace {

namespace fs = std::filesystem;

struct Request {
    HWND owner;
    std::string file;
    UINT command;
    ULONG_PTR data;

    bool operator==(const Request &) const = default;
};

struct TestViewer {
    std::vector<Request> requests;
    BOOL answer = TRUE;

    static BOOL view(HWND owner, const char *file, UINT command, ULONG_PTR data, void *context)
    {
        auto *self = static_cast<TestViewer *>(context);
        self->requests.push_back({owner, file, command, data});
        return self->answer;
    }
};

// The user's data folder in a temporary folder, and no viewer, for the test's lifetime.
class HelpLog : public vkstest::WindowTest {
protected:
    HelpLog()
    {
        if (const char *previous = std::getenv("XDG_DATA_HOME"))
            previous_ = previous;
        std::string pattern = (fs::temp_directory_path() / "vkshelp-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            data_ = pattern;
        setenv("XDG_DATA_HOME", (data_ / "share").c_str(), 1);
        VksHostSetLocalTime(&kNow);
    }
    ~HelpLog() override
    {
        VksHostSetLocalTime(nullptr);
        if (previous_.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", previous_.c_str(), 1);
        std::error_code ignored;
        fs::remove_all(data_, ignored);
    }

    std::vector<std::string> lines() const
    {
        std::ifstream in(data_ / "share" / "vksutil" / "help.log");
        std::vector<std::string> read;
        for (std::string line; std::getline(in, line);)
            read.push_back(line);
        return read;
    }

    static constexpr SYSTEMTIME kNow = {2026, 3, 2, 17, 9, 5, 7, 0};
    vkstest::ScopedWindowClass windowClass;
    fs::path data_;
    std::string previous_;
};

TEST(HelpViewer, GetsEachRequestAsGivenAndAnswersForWinHelp)
{
    TestViewer viewer;
    VksHostSetHelpViewer(&TestViewer::view, &viewer);
    const DWORD map[] = {1001, 2001, 0, 0};
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_TRUE(WinHelpA(owner, "c:\\vks\\main.hlp>command", HELP_CONTEXT, 150));
    viewer.answer = FALSE;
    EXPECT_FALSE(WinHelpA(owner, "ctx.hlp", HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(map)));
    EXPECT_FALSE(WinHelpA(nullptr, nullptr, HELP_QUIT, 0));
    VksHostSetHelpViewer(nullptr, &viewer);

    const Request kExpected[] = {
        {owner, "c:\\vks\\main.hlp>command", HELP_CONTEXT, 150},
        {owner, "ctx.hlp", HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(map)},
        {nullptr, "", HELP_QUIT, 0},
    };
    ASSERT_EQ(std::size(kExpected), viewer.requests.size());
    for (std::size_t i = 0; i < std::size(kExpected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(kExpected[i] == viewer.requests[i]);
    }
}

TEST_F(HelpLog, WritesOneReadableLinePerRequestWithoutAViewer)
{
    const HWND dialog = windowClass.create("dialog", WS_POPUP);
    const HWND control = windowClass.create("ok", WS_CHILD, dialog, 1001);
    const DWORD map[] = {1001, 2001, 1002, static_cast<DWORD>(-1), 0, 0};
    ASSERT_TRUE(WinHelpA(dialog, "c:\\vks\\ctx.hlp>smarthlp", HELP_CONTEXT, 10150));
    ASSERT_TRUE(WinHelpA(control, "c:\\vks\\ctx.hlp", HELP_WM_HELP,
                         reinterpret_cast<ULONG_PTR>(map)));
    ASSERT_TRUE(WinHelpA(control, "ctx.hlp", HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(map)));
    ASSERT_TRUE(WinHelpA(dialog, "c:\\vks\\ctx.hlp", HELP_QUIT, 0));
    ASSERT_TRUE(WinHelpA(dialog, "line\nbreak\".hlp", 0x0B, 0));

    const std::vector<std::string> got = lines();
    const char *const kExpected[] = {
        "2026-03-17 09:05:07 HELP_CONTEXT file=\"c:\\x5Cvks\\x5Cctx.hlp\" window=\"smarthlp\" "
        "topic=10150",
        "2026-03-17 09:05:07 HELP_WM_HELP file=\"c:\\x5Cvks\\x5Cctx.hlp\" control=1001 "
        "map=1001:2001,1002:-1",
        "2026-03-17 09:05:07 HELP_CONTEXTMENU file=\"ctx.hlp\" control=1001 "
        "map=1001:2001,1002:-1",
        "2026-03-17 09:05:07 HELP_QUIT file=\"c:\\x5Cvks\\x5Cctx.hlp\"",
        "2026-03-17 09:05:07 command 11 file=\"line\\x0Abreak\\x22.hlp\" data=0",
    };
    ASSERT_EQ(std::size(kExpected), got.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        // Each line ends with the requesting window, whose handle value is the manager's.
        EXPECT_EQ(0u, got[i].rfind(kExpected[i], 0)) << got[i];
        EXPECT_NE(std::string::npos, got[i].find(" owner=", std::string(kExpected[i]).size()));
    }
}

// A map without its ending pair is read no further than the log shows.
TEST_F(HelpLog, CutsALongMapAtTheLoggedPairs)
{
    std::vector<DWORD> map;
    for (DWORD id = 1; id <= 100; ++id) {
        map.push_back(id);
        map.push_back(id + 1000);
    }
    map.push_back(0);
    map.push_back(0);
    ASSERT_TRUE(WinHelpA(nullptr, "x.hlp", HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(map.data())));
    const std::vector<std::string> got = lines();
    ASSERT_EQ(1u, got.size());
    EXPECT_NE(std::string::npos, got[0].find(",64:1064,... owner="));
    EXPECT_EQ(std::string::npos, got[0].find("65:1065"));
}

TEST_F(HelpLog, FailsWhenTheDataFolderCannotBeMade)
{
    std::ofstream(data_ / "share") << "a file where the folder should be";
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(WinHelpA(nullptr, "x.hlp", HELP_CONTEXT, 1));
    EXPECT_NE(0xdeadbeefu, GetLastError());
    EXPECT_NE(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
}

}  // namespace
