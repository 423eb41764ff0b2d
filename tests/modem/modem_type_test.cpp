// A modem type's settings: the user profile over the default profile over the built-in values.
#include <string>

#include <gtest/gtest.h>

#include "modem/modem_speed.h"
#include "modem/modem_type.h"
#include "modem_fixtures.h"
#include "settings/profile_key.h"

namespace {

using modemtest::ansi;
using modemtest::ModemFiles;

constexpr char kBuiltInInit[] = "^M~AT&F^M~ATE0M1Q0V1X3&C1&D2^M";

TutModemType::STRING_TYPE row(int type)
{
    return static_cast<TutModemType::STRING_TYPE>(type);
}

TEST(ModemType, UnsetRowsGiveTheBuiltInValues)
{
    ModemFiles files;
    files.setDefaults("[Other]\r\nInit=ATX\r\n");
    const TutModemType type("Unknown");
    const struct {
        TutModemType::STRING_TYPE type;
        const char *text;
    } rows[] = {
        {TutModemType::TYPE_NAME, "Unknown"},
        {TutModemType::INIT_STRING, kBuiltInInit},
        {TutModemType::DEFAULT_BAUD, "9600"},
        {TutModemType::OK_STRING, "OK"},
        {TutModemType::ERROR_STRING, "ERROR"},
        {TutModemType::BUSY_STRING, "BUSY"},
        {TutModemType::NO_ANSWER_STRING, "NO ANSWER"},
        {TutModemType::NO_DIALTONE_STRING, "NO DIALTONE"},
        {TutModemType::NO_CARRIER_STRING, "NO CARRIER"},
        {TutModemType::CONNECT_STRING, "CONNECT[ #][/$]"},
        {TutModemType::RINGING_STRING, "RINGING"},
        {TutModemType::DIAL_STRING, "ATD"},
        {TutModemType::DIAL_SUFFIX, "^M"},
        {TutModemType::RESET_STRING, "~ATZ^M~~"},
        {TutModemType::AUTO_ANSWER_STRING, "ATS0=#^M"},
        {TutModemType::HANGUP_STRING, "~~~+++~~~ATS0=0H^M"},
        {TutModemType::RESPONSE_TIMEOUT, "15"},
        {TutModemType::OK_NUMBER, "0"},
        {TutModemType::ERROR_NUMBER, "4"},
        {TutModemType::NO_CARRIER_NUMBER, "3"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.type);
        EXPECT_STREQ(r.text, type.string(r.type));
    }
    EXPECT_EQ(9600, type.defaultBaud());
    EXPECT_EQ(15u, type.responseTimeout());
    EXPECT_STREQ(" V.42", TutModemType::UseProtocolString);
}

// Each row writes the type's section into either profile (null: no section) and reads "Init"
// through both classes.
TEST(ModemType, UserProfileWinsOverDefaultProfileOverBuiltIn)
{
    const struct {
        const char *name;
        const char *defaults;
        const char *user;
        const char *merged;       // TutModemType
        const char *defaultOnly;  // TutDefaultModemType
    } rows[] = {
        {"both profiles", "Init=D-INIT", "Init=U-INIT", "U-INIT", "D-INIT"},
        {"default profile only", "Init=D-INIT", nullptr, "D-INIT", "D-INIT"},
        {"user profile only", nullptr, "Init=U-INIT", "U-INIT", kBuiltInInit},
        {"neither", nullptr, nullptr, kBuiltInInit, kBuiltInInit},
        {"other keys only", "Dial=ATDT", "Reset=ATZ", kBuiltInInit, kBuiltInInit},
        {"present but empty in the user profile", "Init=D-INIT", "Init=", "", "D-INIT"},
        {"present but empty in the default profile", "Init=", nullptr, "", ""},
        {"a literal <0> in the user profile hides the default profile's value", "Init=D-INIT",
         "Init=<0>", kBuiltInInit, "D-INIT"},
        {"a literal <0> in the default profile", "Init=<0>", nullptr, kBuiltInInit, kBuiltInInit},
        {"key and section names in other letter case", "INIT=D-INIT", "init=U-INIT", "U-INIT",
         "D-INIT"},
        {"a quoted blank at the end survives the fall-through", "Init=\"ATZ \"", nullptr, "ATZ ",
         "ATZ "},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        ModemFiles files;
        if (r.defaults)
            files.setDefaults(std::string("[Modem-X]\r\n") + r.defaults + "\r\n");
        if (r.user)
            files.setUser(std::string("[modem-x]\r\n") + r.user + "\r\n");
        EXPECT_STREQ(r.merged, TutModemType("Modem-X").string(TutModemType::INIT_STRING));
        EXPECT_STREQ(r.defaultOnly,
                     TutDefaultModemType("Modem-X").string(TutModemType::INIT_STRING));
    }
}

TEST(ModemType, NumbersReadTheTextAsAtolAndAtoiDo)
{
    const struct {
        const char *name;
        const char *text;  // the user profile's "DefaultBaud" and "ResponseTimeout"
        long baud;
        unsigned int timeout;
    } rows[] = {
        {"plain", "115200", 115200, 115200u},
        {"present but empty", "", 0, 0u},
        {"digits up to the first other character", "57600bps", 57600, 57600u},
        {"inner blanks end the number", "9 600", 9, 9u},
        {"sign", "-1", -1, 4294967295u},
        {"plus sign", "+2400", 2400, 2400u},
        {"no digits", "fast", 0, 0u},
        {"wraps at 32 bits", "4294967297", 1, 1u},
        {"literal not-set marker", "<0>", 9600, 15u},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        ModemFiles files;
        files.setUser(std::string("[T]\r\nDefaultBaud=") + r.text + "\r\nResponseTimeout=" +
                      r.text + "\r\n");
        const TutModemType type("T");
        EXPECT_EQ(r.baud, type.defaultBaud());
        EXPECT_EQ(r.timeout, type.responseTimeout());
    }
}

TEST(ModemType, DefaultConstructedIsEmptyNotUnset)
{
    const TutModemType type;
    for (int t = 0; t < TutModemType::stringTypeCount; ++t) {
        SCOPED_TRACE(t);
        EXPECT_STREQ("", type.string(row(t)));
    }
    EXPECT_EQ(0, type.defaultBaud());
    EXPECT_EQ(0u, type.responseTimeout());
}

TEST(ModemType, TypesOutsideTheTableAreIgnored)
{
    ModemFiles files;
    files.setUser("[T]\r\nNoCarrierNum=7\r\n");
    TutModemType type("T");
    type.string("x", row(20));
    type.string("x", row(-1));
    EXPECT_STREQ("", type.string(row(20)));
    EXPECT_STREQ("", type.string(row(-1)));
    EXPECT_STREQ("7", type.string(TutModemType::NO_CARRIER_NUMBER));
    EXPECT_STREQ("T", type.modemType());
}

TEST(ModemType, SettersStoreTextAsTheReadersTakeIt)
{
    TutModemType type;
    type.string("ATDP", TutModemType::DIAL_STRING);
    type.defaultBaud(38400);
    type.responseTimeout(4294967295u);
    EXPECT_STREQ("ATDP", type.string(TutModemType::DIAL_STRING));
    EXPECT_STREQ("38400", type.string(TutModemType::DEFAULT_BAUD));
    EXPECT_STREQ("-1", type.string(TutModemType::RESPONSE_TIMEOUT));
    EXPECT_EQ(38400, type.defaultBaud());
    EXPECT_EQ(4294967295u, type.responseTimeout());

    type.defaultBaud(-9600);
    EXPECT_EQ(-9600, type.defaultBaud());
    type.string("<0>", TutModemType::DEFAULT_BAUD);
    EXPECT_EQ(9600, type.defaultBaud());
}

// Renaming through string(name, TYPE_NAME) rereads with the object's own readProfile, also when
// called through the base class; modemType(name) renames without reading.
TEST(ModemType, RenamingThroughStringRereadsTheNamedType)
{
    ModemFiles files;
    files.setDefaults("[A]\r\nInit=D-A\r\n[B]\r\nInit=D-B\r\n");
    files.setUser("[A]\r\nInit=U-A\r\n[B]\r\nInit=U-B\r\n");

    TutModemType merged("A");
    TutDefaultModemType defaultOnly("A");
    const struct {
        const char *name;
        TutModemType &type;
        const char *before;
        const char *after;
    } rows[] = {
        {"both profiles", merged, "U-A", "U-B"},
        {"default profile only", defaultOnly, "D-A", "D-B"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_STREQ(r.before, r.type.string(TutModemType::INIT_STRING));
        r.type.modemType("B");
        EXPECT_STREQ("B", r.type.modemType());
        EXPECT_STREQ(r.before, r.type.string(TutModemType::INIT_STRING));
        r.type.string("B", TutModemType::TYPE_NAME);
        EXPECT_STREQ(r.after, r.type.string(TutModemType::INIT_STRING));
    }
}

TEST(ModemSpeed, FallsBackTo2400WhereTheTypeSays9600)
{
    const struct {
        const char *name;
        const char *defaults;
        const char *user;
        long speed;
        long typeBaud;
    } rows[] = {
        {"no section in either profile", nullptr, nullptr, 2400, 9600},
        {"user profile over default profile", "DefaultBaud=57600", "DefaultBaud=38400", 38400,
         38400},
        {"default profile only", "DefaultBaud=57600", nullptr, 57600, 57600},
        {"present but empty", "DefaultBaud=57600", "DefaultBaud=", 0, 0},
        {"literal not-set marker", "DefaultBaud=<0>", nullptr, 2400, 9600},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        ModemFiles files;
        if (r.defaults)
            files.setDefaults(std::string("[ＰＣモデム]\r\n") + r.defaults + "\r\n");
        if (r.user)
            files.setUser(std::string("[ＰＣモデム]\r\n") + r.user + "\r\n");
        const std::string name = ansi("ＰＣモデム");
        const TutModemSpeed speed(name.c_str());
        const TutModemSpeed copy = speed;
        EXPECT_EQ(r.speed, speed.defaultBaud());
        EXPECT_EQ(r.speed, copy.defaultBaud());
        EXPECT_EQ(r.typeBaud, TutModemType(name.c_str()).defaultBaud());
    }
}

class ModemTypeWriteTest : public ::testing::Test {
protected:
    static CString userValue(const char *type, const char *key)
    {
        CString value;
        TutProfileKey(TutProfile::userModems(), type, key).read(value, "(absent)");
        return value;
    }
    ModemFiles files;
};

TEST_F(ModemTypeWriteTest, WritesEverySetSlotAndSkipsUnsetOnes)
{
    files.setDefaults("[T]\r\nInit=D-INIT\r\nDial=ATDT\r\n");
    files.setUser("[T]\r\nReset=ATZ9\r\nHangup=<0>\r\n");
    TutModemType type("T");
    type.string("BUSY!", TutModemType::BUSY_STRING);
    type.writeProfile();

    const struct {
        const char *key;
        const char *stored;
    } rows[] = {
        {"Init", "D-INIT"},       // came from the default profile
        {"Dial", "ATDT"},
        {"Reset", "ATZ9"},
        {"BusyString", "BUSY!"},  // set by the caller
        {"Hangup", "<0>"},        // not set: the key stays as it was
        {"OKString", "(absent)"},  // not set: not written
        {"DefaultBaud", "(absent)"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.key);
        EXPECT_STREQ(r.stored, userValue("T", r.key));
    }
}

TEST_F(ModemTypeWriteTest, AJapaneseTypeComesBackAsWritten)
{
    const std::string name = ansi("自作モデム");
    TutModemType type;
    type.modemType(name.c_str());
    for (int t = 1; t < TutModemType::stringTypeCount; ++t)
        type.string("<0>", row(t));
    type.string("ATZ", TutModemType::INIT_STRING);
    type.defaultBaud(19200);
    type.writeProfile();

    const TutModemType back(name.c_str());
    EXPECT_STREQ("ATZ", back.string(TutModemType::INIT_STRING));
    EXPECT_EQ(19200, back.defaultBaud());
    EXPECT_STREQ("OK", back.string(TutModemType::OK_STRING));
    EXPECT_STREQ("(absent)", userValue(name.c_str(), "OKString"));
}

TEST_F(ModemTypeWriteTest, TheDefaultTypeAndUnstorableNamesWriteNothing)
{
    files.setDefaults("[T]\r\nInit=D-INIT\r\n");
    TutDefaultModemType defaultOnly("T");
    TutModemType &asBase = defaultOnly;
    asBase.writeProfile();
    EXPECT_EQ("", files.userBytes());

    const char *names[] = {"", " T", "T ", "a\r\n[b]\r\nInit=x", "a\tb"};
    for (const char *name : names) {
        SCOPED_TRACE(name);
        TutModemType type;
        type.modemType(name);
        type.string("ATZ", TutModemType::INIT_STRING);
        type.writeProfile();
        EXPECT_EQ("", files.userBytes());
    }
}

}  // namespace
