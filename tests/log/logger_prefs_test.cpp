// TutLogger's switches: preferences copied in order, and the master switch over every kind.
#include <gtest/gtest.h>

#include "log/logger.h"

namespace {

// Puts the start values back when the test ends: the switches are process-wide.
class LoggerPrefsTest : public ::testing::Test {
protected:
    ~LoggerPrefsTest() override { TutLogger::SetPreferences(TutLoggerPrefs(0, 0, 0, 0, 0, 0, 0, 10)); }
};

using Query = int (*)();

struct Kind {
    const char *name;
    Query query;
};

const Kind kKinds[] = {
    {"security", TutLogger::LogSecurity},
    {"callbacks", TutLogger::LogCallbacks},
    {"connections", TutLogger::LogConnections},
    {"transfer summary", TutLogger::TransferSummary},
    {"transfer details", TutLogger::TransferDetails},
    {"modem strings", TutLogger::ModemStrings},
};

TEST_F(LoggerPrefsTest, SetPreferencesCopiesTheEightFieldsInOrder)
{
    TutLogger::SetPreferences(TutLoggerPrefs(11, 12, 13, 14, 15, 16, 17, 18));
    EXPECT_EQ(11, TutLogger::m_bEnableLogging);
    EXPECT_EQ(12, TutLogger::m_bLogSecurity);
    EXPECT_EQ(13, TutLogger::m_bLogCallbacks);
    EXPECT_EQ(14, TutLogger::m_bLogConnections);
    EXPECT_EQ(15, TutLogger::m_bTransferSummary);
    EXPECT_EQ(16, TutLogger::m_bTransferDetails);
    EXPECT_EQ(17, TutLogger::m_bModemStrings);
    EXPECT_EQ(18, TutLogger::m_MaxLogFiles);
    EXPECT_EQ(11, TutLogger::EnableLogging());
}

TEST_F(LoggerPrefsTest, MasterSwitchSilencesEveryKind)
{
    TutLogger::SetPreferences(TutLoggerPrefs(0, 1, 1, 1, 1, 1, 1, 10));
    for (const Kind &kind : kKinds) {
        SCOPED_TRACE(kind.name);
        EXPECT_EQ(0, kind.query());
    }
}

TEST_F(LoggerPrefsTest, EachKindReadsAsZeroOrOneUnderTheMasterSwitch)
{
    const struct {
        const char *name;
        int master;
        int kindSwitch;
        int expected;
    } rows[] = {
        {"both on", 1, 1, 1},
        {"a switch of 5 reads as 1", 1, 5, 1},
        {"a negative switch reads as 1", 1, -1, 1},
        {"kind off", 1, 0, 0},
        {"master of 7 counts as on", 7, 1, 1},
        {"master off", 0, 5, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const int s = row.kindSwitch;
        TutLogger::SetPreferences(TutLoggerPrefs(row.master, s, s, s, s, s, s, 10));
        EXPECT_EQ(row.master, TutLogger::EnableLogging());
        for (const Kind &kind : kKinds) {
            SCOPED_TRACE(kind.name);
            EXPECT_EQ(row.expected, kind.query());
        }
    }
}

TEST_F(LoggerPrefsTest, EachQueryReadsItsOwnSwitch)
{
    // Only the connections switch on: no other kind answers for it.
    TutLogger::SetPreferences(TutLoggerPrefs(1, 0, 0, 5, 0, 0, 0, 10));
    for (const Kind &kind : kKinds) {
        SCOPED_TRACE(kind.name);
        EXPECT_EQ(kind.query == TutLogger::LogConnections ? 1 : 0, kind.query());
    }
}

TEST(TutLoggerPrefs, AssignmentCopiesAllEight)
{
    TutLoggerPrefs copy(0, 0, 0, 0, 0, 0, 0, 0);
    copy = TutLoggerPrefs(1, 2, 3, 4, 5, 6, 7, 8);
    EXPECT_EQ(1, copy.m_bEnableLogging);
    EXPECT_EQ(4, copy.m_bLogConnections);
    EXPECT_EQ(8, copy.m_MaxLogFiles);
}

}  // namespace
