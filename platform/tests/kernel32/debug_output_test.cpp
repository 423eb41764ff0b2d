#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "vkshost.h"
#include "windows.h"

namespace {

// Collects every text the sink receives, one entry per call.
struct Capture {
    std::vector<std::string> texts;
};

void captureText(const char *text, void *context)
{
    static_cast<Capture *>(context)->texts.emplace_back(text);
}

// The host's sink for the test's lifetime; none afterwards.
class ScopedSink {
public:
    ScopedSink() { VksHostSetDebugOutput(captureText, &capture_); }
    ~ScopedSink() { VksHostSetDebugOutput(nullptr, nullptr); }
    const std::vector<std::string> &texts() const { return capture_.texts; }

private:
    Capture capture_;
};

// Sets or unsets VKS_DEBUG_OUTPUT for the test's lifetime.
class ScopedDebugVariable {
public:
    explicit ScopedDebugVariable(const char *valueOrNull)
    {
        if (const char *old = std::getenv("VKS_DEBUG_OUTPUT"))
            previous_ = old;
        if (valueOrNull)
            setenv("VKS_DEBUG_OUTPUT", valueOrNull, 1);
        else
            unsetenv("VKS_DEBUG_OUTPUT");
    }
    ~ScopedDebugVariable()
    {
        if (previous_)
            setenv("VKS_DEBUG_OUTPUT", previous_->c_str(), 1);
        else
            unsetenv("VKS_DEBUG_OUTPUT");
    }

private:
    std::optional<std::string> previous_;
};

// What OutputDebugStringA writes to standard error.
std::string standardErrorOf(const char *text)
{
    testing::internal::CaptureStderr();
    OutputDebugStringA(text);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(OutputDebugString, HandsTheTextUnchangedToTheHostSink)
{
    const struct {
        const char *name;
        const char *text;
    } rows[] = {
        {"no newline is added", "plain"},
        {"line ends stay as written", "line\n\r"},
        {"empty text is still a call", ""},
        {"code-page bytes pass as they are", "\x83\x6f\x83\x43\x83\x67"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ScopedSink sink;
        OutputDebugStringA(row.text);
        ASSERT_EQ(1u, sink.texts().size());
        EXPECT_EQ(row.text, sink.texts()[0]);
    }
}

TEST(OutputDebugString, NullOrNeverMappedTextReachesNoSink)
{
    ScopedSink sink;
    OutputDebugStringA(nullptr);
    for (UINT_PTR address : {UINT_PTR{1}, UINT_PTR{0x1000}, UINT_PTR{0xFFFF}})
        OutputDebugStringA(reinterpret_cast<LPCSTR>(address));
    EXPECT_TRUE(sink.texts().empty());
}

TEST(OutputDebugString, TheHostSinkTakesPrecedenceOverStandardError)
{
    ScopedDebugVariable requested("1");
    ScopedSink sink;
    EXPECT_EQ("", standardErrorOf("to the sink"));
    ASSERT_EQ(1u, sink.texts().size());
    EXPECT_EQ("to the sink", sink.texts()[0]);
}

TEST(OutputDebugString, WithoutASinkGoesToStandardErrorOnlyWhenRequested)
{
    {
        ScopedDebugVariable notRequested(nullptr);
        EXPECT_EQ("", standardErrorOf("dropped\n"));
    }
    {
        ScopedDebugVariable requested("");
        EXPECT_EQ("shown\n", standardErrorOf("shown\n"));
        EXPECT_EQ("no newline", standardErrorOf("no newline"));
    }
}

TEST(OutputDebugString, RemovingTheSinkStopsDelivery)
{
    ScopedDebugVariable notRequested(nullptr);
    Capture capture;
    VksHostSetDebugOutput(captureText, &capture);
    OutputDebugStringA("first");
    VksHostSetDebugOutput(nullptr, nullptr);
    OutputDebugStringA("second");
    EXPECT_EQ(std::vector<std::string>{"first"}, capture.texts);
}
