#include <istream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/win_stream.h"
#include "vkshost.h"

namespace {

void collect(const char *text, void *context)
{
    static_cast<std::vector<std::string> *>(context)->emplace_back(text);
}

// Captures the debugger's output for the test. The line buffer is shared by the whole process,
// so a line feed first sends whatever an earlier test left held, and that is dropped.
class TutWinStreamTest : public ::testing::Test {
protected:
    TutWinStreamTest()
    {
        VksHostSetDebugOutput(collect, &sent_);
        TutWinStream() << '\n';
        sent_.clear();
    }
    ~TutWinStreamTest() override { VksHostSetDebugOutput(nullptr, nullptr); }

    std::vector<std::string> sent_;
};

}  // namespace

TEST_F(TutWinStreamTest, SendsEachLineAtItsLineFeed)
{
    const struct {
        const char *name;
        std::string written;
        std::vector<std::string> sent;
    } rows[] = {
        {"one line, ended by line feed and carriage return", "hello\n", {"hello\n\r"}},
        {"two lines in one write", "a\nb\n", {"a\n\r", "b\n\r"}},
        {"an empty line", "\n", {"\n\r"}},
        {"text without its line feed is held", "held", {}},
        {"double-byte text passes as it is", "\x83\x6f\x83\x43\x83\x67\n",
         {"\x83\x6f\x83\x43\x83\x67\n\r"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TutWinStream() << row.written;
        EXPECT_EQ(row.sent, sent_);
        TutWinStream() << '\n';
        sent_.clear();
    }
}

TEST_F(TutWinStreamTest, HeldTextJoinsTheNextLineOfAnyStream)
{
    {
        TutWinStream first;
        first << "count=" << 42;
    }
    EXPECT_TRUE(sent_.empty());
    TutWinStream second;
    second << " done" << std::endl;
    EXPECT_EQ(std::vector<std::string>{"count=42 done\n\r"}, sent_);
}

TEST_F(TutWinStreamTest, LongLinesGoInPiecesThatFitTheLineBuffer)
{
    const std::string fits(509, 'x');
    const struct {
        const char *name;
        std::string written;
        std::vector<std::string> sent;
    } rows[] = {
        {"509 characters and the line ending fill the 512 bytes", fits + "\n", {fits + "\n\r"}},
        {"510 characters: a piece, then the rest", fits + "y\n", {fits, "y\n\r"}},
        {"pieces as the line grows, even unfinished", fits + fits + "z", {fits, fits}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TutWinStream() << row.written;
        EXPECT_EQ(row.sent, sent_);
        TutWinStream() << '\n';
        sent_.clear();
    }
}

TEST_F(TutWinStreamTest, HasNoInputSide)
{
    TutWinBuf buffer;
    std::istream in(&buffer);
    EXPECT_EQ(std::char_traits<char>::eof(), in.get());
    EXPECT_TRUE(in.eof());
}

