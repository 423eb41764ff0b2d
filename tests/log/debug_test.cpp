// The debug trace: trace lines, formatted text, the memory-tracing warning, dumps, the facade
// over the current context, and the hex dump and indent formatters.
#include <cstdarg>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "library_env.h"
#include "log/debug.h"
#include "vkshost.h"

namespace {

// The text a stream writes for a pointer: the form is the stream library's own.
std::string pointerText(void const *pointer)
{
    std::ostringstream out;
    out << pointer;
    return out.str();
}

// A context tracing into C:\trace.log on the suite's drive; written() closes the stream and
// gives what reached the file.
class TraceFileTest : public ::testing::Test {
protected:
    TraceFileTest() : host_(vkstest::LibraryEnvironment::driveC().host("trace.log"))
    {
        std::filesystem::remove(host_);
        context_ = std::make_unique<TutDebug>("C:\\trace.log");
    }
    ~TraceFileTest() override { std::filesystem::remove(host_); }

    std::string written()
    {
        context_.reset();
        std::ifstream in(host_, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    void vprintf(char const *format, ...)
    {
        va_list args;
        va_start(args, format);
        context_->vprintf(format, &args);
        va_end(args);
    }

    std::filesystem::path host_;
    std::unique_ptr<TutDebug> context_;
};

TEST_F(TraceFileTest, StartsTracingWithMemoryTracingOff)
{
    EXPECT_STREQ("TutDebug", TutDebug::nameOf());
    EXPECT_TRUE(context_->isValid());
    EXPECT_EQ(1, context_->isTracing());
    EXPECT_EQ(0, context_->isMemTracing());
    TutDebug quiet("C:\\quiet.log", 0);
    EXPECT_EQ(0, quiet.isTracing());
    std::filesystem::remove(vkstest::LibraryEnvironment::driveC().host("quiet.log"));
}

TEST_F(TraceFileTest, TraceWritesPositionObjectAndMessage)
{
    int object = 0;
    const std::string self = pointerText(&object);
    const struct {
        const char *name;
        const char *file;
        unsigned int line;
        void const *object;
        const char *message;
        std::string expected;
    } rows[] = {
        {"position and message", "modem.cpp", 42, nullptr, "dialling",
         "[modem.cpp:42] dialling\n"},
        {"with the object", "queue.cpp", 7, &object, "posted",
         "[queue.cpp:7]  {this = " + self + "} posted\n"},
        {"no message: no line end", "x.cpp", 4294967295u, &object, nullptr,
         "[x.cpp:4294967295]  {this = " + self + "} "},
        {"a null file name is empty", nullptr, 1, nullptr, "m", "[:1] m\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        context_ = std::make_unique<TutDebug>("C:\\trace.log");
        context_->trace(row.file, row.line, row.object, row.message);
        EXPECT_EQ(row.expected, written());
    }
}

TEST_F(TraceFileTest, TraceWritesNothingWhileTracingIsOff)
{
    int object = 0;
    context_->setTracing(0);
    EXPECT_EQ(0, context_->isTracing());
    context_->trace("a.cpp", 1, &object, "message");
    context_->trace("a.cpp", 2, nullptr, nullptr);
    EXPECT_EQ("", written());
}

TEST_F(TraceFileTest, MemoryTracingWarnsOnlyWhenTurnedOnWithoutTracing)
{
    const std::string warning =
        "WARNING: Memory tracing enabled while trace messages are disabled.\n"
        " Enable trace messages with TRACE_ON to display memory allocation messages.\n";
    const struct {
        const char *name;
        int tracing;
        int memTracing;
        std::string expected;
    } rows[] = {
        {"on while tracing is off", 0, 1, warning},
        {"any non-zero value", 0, 5, warning},
        {"on while tracing is on", 1, 1, ""},
        {"off never warns", 0, 0, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        context_ = std::make_unique<TutDebug>("C:\\trace.log", row.tracing);
        context_->setMemTracing(row.memTracing);
        EXPECT_EQ(row.memTracing, context_->isMemTracing());
        EXPECT_EQ(row.expected, written());
    }
}

TEST_F(TraceFileTest, VprintfWritesTheFormattedTextWhateverTheSwitch)
{
    context_->setTracing(0);
    vprintf("%d files, %s", 3, "done");
    vprintf("|%05d|", -42);
    EXPECT_EQ("3 files, done|-0042|", written());
}

TEST_F(TraceFileTest, VprintfCutsTheTextTo511Characters)
{
    const std::string longText(700, 'x');
    vprintf("%s", longText.c_str());
    EXPECT_EQ(std::string(511, 'x'), written());
}

TEST_F(TraceFileTest, VprintfNeverCutsADoubleByteCharacterInTwo)
{
    // 510 single bytes, then "ア" (0x83 0x41): its second byte would be the 512th.
    const std::string text = std::string(510, 'x') + "\x83\x41" + "y";
    vprintf("%s", text.c_str());
    EXPECT_EQ(std::string(510, 'x'), written());
}

TEST_F(TraceFileTest, ReplacesAnExistingFile)
{
    context_.reset();
    vkstest::LibraryEnvironment::driveC().write("trace.log", "old text\n");
    context_ = std::make_unique<TutDebug>("C:\\Trace.LOG");
    context_->trace("f.cpp", 3, nullptr, "new");
    EXPECT_EQ("[f.cpp:3] new\n", written());
}

TEST(TutDebug, AFileThatCannotOpenDropsEveryWrite)
{
    const char *names[] = {"Q:\\nowhere\\trace.log", "C:\\no such folder\\trace.log", ""};
    for (const char *name : names) {
        SCOPED_TRACE(name);
        TutDebug context(name);
        EXPECT_TRUE(context.isValid());
        context.trace("a.cpp", 1, nullptr, "lost");
        context.setMemTracing(1);
        EXPECT_FALSE(context.stream().good());
    }
}

TEST(TutDebug, DumpWritesFourLines)
{
    TutDebug context(nullptr, 0);
    context.setMemTracing(0);
    std::ostringstream out;
    context.dump(out);
    const std::string expected = "TutDebug  {this = " + pointerText(&context) + "}\n" +
                                 "streamPtr = " + pointerText(&context.stream()) + "\n" +
                                 "tracing = 0\n" + "memTracing = 0\n";
    EXPECT_EQ(expected, out.str());
}

void collect(const char *text, void *context)
{
    static_cast<std::vector<std::string> *>(context)->emplace_back(text);
}

// Captures the debugger output, where the default context writes. Its line buffer is shared by
// the whole process, so whatever an earlier test left held is sent first and dropped.
class DefaultContextTest : public ::testing::Test {
protected:
    DefaultContextTest()
    {
        VksHostSetDebugOutput(collect, &sent_);
        TutStdDebug::stream() << std::endl;
        sent_.clear();
    }
    ~DefaultContextTest() override
    {
        TutStdDebug::setContext(nullptr);
        TutStdDebug::setTracing(1);
        VksHostSetDebugOutput(nullptr, nullptr);
    }

    std::vector<std::string> sent_;
};

TEST_F(DefaultContextTest, TracesToTheDebuggerOutput)
{
    EXPECT_EQ(1, TutStdDebug::isTracing());
    TutStdDebug::trace("main.cpp", 12, nullptr, "started");
    EXPECT_EQ(std::vector<std::string>{"[main.cpp:12] started\n\r"}, sent_);
}

TEST_F(DefaultContextTest, CTraceFollowsTheSwitchAndPrintfDoesNot)
{
    TutStdDebug::setTracing(0);
    TutStdDebug::cTrace("hidden %d\n", 1);
    EXPECT_TRUE(sent_.empty());
    TutStdDebug::printf("shown %d\n", 2);
    TutStdDebug::setTracing(1);
    TutStdDebug::cTrace("traced %s\n", "too");
    EXPECT_EQ((std::vector<std::string>{"shown 2\n\r", "traced too\n\r"}), sent_);
}

TEST_F(DefaultContextTest, SetContextSwapsAndNullRestoresTheDefault)
{
    TutDebug *defaultContext = TutStdDebug::context();
    TutDebug mine("C:\\mine.log", 0);
    EXPECT_EQ(defaultContext, TutStdDebug::setContext(&mine));
    EXPECT_EQ(&mine, TutStdDebug::context());
    EXPECT_EQ(0, TutStdDebug::isTracing());
    TutStdDebug::setMemTracing(1);
    EXPECT_EQ(1, mine.isMemTracing());
    EXPECT_EQ(1, TutStdDebug::isMemTracing());
    EXPECT_EQ(&mine.stream(), &TutStdDebug::stream());

    EXPECT_EQ(&mine, TutStdDebug::setContext(nullptr));
    EXPECT_EQ(defaultContext, TutStdDebug::context());
    EXPECT_EQ(0, TutStdDebug::isMemTracing());
    EXPECT_TRUE(sent_.empty());
    std::filesystem::remove(vkstest::LibraryEnvironment::driveC().host("mine.log"));
}

TEST(HexDump, WritesSixteenBytesALine)
{
    std::vector<unsigned char> twenty;
    for (unsigned char b = 0; b < 20; ++b)
        twenty.push_back(static_cast<unsigned char>(b * 17));
    const struct {
        const char *name;
        std::vector<unsigned char> bytes;
        std::string expected;
    } rows[] = {
        {"no bytes", {}, ""},
        {"three bytes", {1, 171, 255}, "\t buf[0000] = 01 ab ff \n"},
        {"sixteen bytes: one line",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         "\t buf[0000] = 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n"},
        {"seventeen bytes: the second line holds one",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
         "\t buf[0000] = 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f \n"
         "\t buf[0010] = 10 \n"},
        {"twenty bytes", twenty,
         "\t buf[0000] = 00 11 22 33 44 55 66 77 88 99 aa bb cc dd ee ff \n"
         "\t buf[0010] = 10 21 32 43 \n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::ostringstream out;
        HexDump(out, row.bytes.data(), static_cast<unsigned int>(row.bytes.size()));
        EXPECT_EQ(row.expected, out.str());
    }
}

TEST(HexDump, LeavesTheStreamDecimalWithZeroFill)
{
    const unsigned char bytes[] = {0xab};
    std::ostringstream out;
    HexDump(out, bytes, 1);
    out.str("");
    out << 26 << ' ' << std::setw(3) << 5;
    EXPECT_EQ("26 005", out.str());
}

TEST(HexDump, WritesNothingForNullBytes)
{
    std::ostringstream out;
    HexDump(out, nullptr, 5);
    EXPECT_EQ("", out.str());
}

TEST(Indent, WritesFourBlanksPerLevel)
{
    const struct {
        int levels;
        std::string expected;
    } rows[] = {{2, "        "}, {1, "    "}, {0, ""}, {-1, ""}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.levels);
        std::ostringstream out;
        out << '<' << indent(row.levels) << '>';
        EXPECT_EQ("<" + row.expected + ">", out.str());
    }
}

}  // namespace
