// Profiles and sections: names, the override, the well-known profiles and the road each
// operation takes to the file.
#include <string>

#include <gtest/gtest.h>

#include "settings/profile_key.h"
#include "settings/profile_key_list.h"
#include "settings_fixtures.h"
#include "vksservc_host.h"

namespace {

using settingstest::ScopedOverride;
using settingstest::ScopedServiceState;
using settingstest::ScratchIni;

TEST(Profile, IsAValueThatHoldsItsPath)
{
    TutProfile profile("/data/one.ini");
    TutProfile copy(profile);
    profile.name("/data/two.ini");
    EXPECT_STREQ("/data/one.ini", copy.name());
    EXPECT_STREQ("/data/two.ini", profile.name());
    copy = profile;
    EXPECT_STREQ("/data/two.ini", copy.name());
    EXPECT_STREQ("", TutProfile().name());
    profile.name(nullptr);
    EXPECT_STREQ("", profile.name());
}

TEST(Profile, WellKnownProfilesNameAndReachTheProductFiles)
{
    const struct {
        const char *name;
        TutProfile const &(*accessor)();
        const char *path;
        const char *onDriveC;
    } rows[] = {
        {"windows", TutProfile::windows, "c:\\windows\\win.ini", "WINDOWS/win.ini"},
        {"system", TutProfile::system, "c:\\windows\\system.ini", "WINDOWS/system.ini"},
        {"company", TutProfile::company, "c:\\windows\\vks32\\vks.ini", "WINDOWS/vks32/vks.ini"},
        {"application", TutProfile::application, "c:\\windows\\vks32\\VELMORA\\VELMORA.INI",
         "WINDOWS/vks32/VELMORA/VELMORA.INI"},
        {"defaultModems", TutProfile::defaultModems, "c:\\windows\\vks32\\vksmodem.ini",
         "WINDOWS/vks32/vksmodem.ini"},
        {"userModems", TutProfile::userModems, "c:\\windows\\vks32\\vksusrmd.ini",
         "WINDOWS/vks32/vksusrmd.ini"},
    };
    const vkstest::ScopedDriveC &drive = vkstest::LibraryEnvironment::driveC();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.path, row.accessor().name());
        EXPECT_EQ(&row.accessor(), &row.accessor());

        const TutProfileKey key(row.accessor(), "ProfileTest", "Reached");
        key.write(42);
        EXPECT_NE(std::string::npos, drive.read(row.onDriveC).find("[ProfileTest]\r\nReached=42\r\n"));
        key.section().remove();
        EXPECT_EQ(std::string::npos, drive.read(row.onDriveC).find("[ProfileTest]"));
    }
}

TEST(Profile, CleanupFreesAndAccessorsMakeThemAgain)
{
    const std::string before = TutProfile::application().name();
    TutProfile::Cleanup();
    TutProfile::Cleanup();
    EXPECT_EQ(before, TutProfile::application().name());
    TutProfileSection::Cleanup();
    TutProfileKey::Cleanup();
}

TEST(ProfileOverride, SendsEveryProfileToItsFile)
{
    ScratchIni ini;
    TutProfile replacement(ini.path());
    ScopedOverride installed(&replacement);

    EXPECT_EQ(&replacement, TutProfile::getOverride());
    EXPECT_STREQ(ini.path(), TutProfile::windows().name());
    EXPECT_STREQ(ini.path(), TutProfile::getOverride()->name());
    EXPECT_STREQ(ini.path(), TutProfile("/elsewhere/own.ini").name());

    TutProfileKey(TutProfile::windows(), "intl", "sCountry").write("Japan");
    TutProfileKey(TutProfile::company(), "Sec", "Name").write(7);
    EXPECT_EQ("[intl]\r\nsCountry=Japan\r\n[Sec]\r\nName=7\r\n", ini.text());

    CString country;
    TutProfileKey(TutProfile::windows(), "intl", "sCountry").read(country, "");
    EXPECT_STREQ("Japan", country);
    EXPECT_EQ(2, TutProfileKeyList(TutProfile::system(), "intl").count() +
                     TutProfileKeyList(TutProfile::userModems(), "Sec").count());
}

TEST(ProfileOverride, RemovedOverrideGivesBackTheOwnPath)
{
    ScratchIni ini;
    TutProfile replacement(ini.path());
    {
        ScopedOverride installed(&replacement);
    }
    EXPECT_EQ(nullptr, TutProfile::getOverride());
    EXPECT_STREQ("c:\\windows\\win.ini", TutProfile::windows().name());
}

TEST(ProfileSection, ExistsOnlyWithKeys)
{
    const struct {
        const char *name;
        const char *file;
        int expected;
    } rows[] = {
        {"one key", "[Sec]\r\nk=v\r\n", TRUE},
        {"key with empty value", "[Sec]\r\nk=\r\n", TRUE},
        {"other letter case", "[sEC]\r\nk=v\r\n", TRUE},
        {"header without keys", "[Sec]\r\n[Next]\r\nk=v\r\n", FALSE},
        {"no such section", "[Other]\r\nk=v\r\n", FALSE},
        {"no file", nullptr, FALSE},
    };
    ScratchIni ini;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.file)
            ini.setText(row.file);
        else
            ini.erase();
        EXPECT_EQ(row.expected, TutProfileSection(ini.profile(), "Sec").exists());
    }
}

TEST(ProfileSection, RemoveTakesTheWholeSection)
{
    ScratchIni ini;
    ini.setText("[Keep]\r\na=1\r\n[Sec]\r\nb=2\r\nc=3\r\n[Also]\r\nd=4\r\n");
    TutProfileSection(ini.profile(), "Sec").remove();
    EXPECT_EQ("[Keep]\r\na=1\r\n[Also]\r\nd=4\r\n", ini.text());
}

TEST(ProfileSection, HoldsItsProfileByValue)
{
    TutProfile profile("/a.ini");
    TutProfileSection section(profile, "S");
    profile.name("/b.ini");
    EXPECT_STREQ("/a.ini", section.profile().name());
    section.profile(profile);
    section.name(nullptr);
    EXPECT_STREQ("/b.ini", section.profile().name());
    EXPECT_STREQ("", section.name());
}

// Every operation asks for the road at its own call: through the system services only when the
// process is a service and a user is logged on, and the second is asked only after the first.
TEST(ProfileRoad, ServiceWithUserGoesThroughTheSystemServices)
{
    const struct {
        const char *name;
        BOOL isService;
        BOOL isLoggedOn;
        bool throughServices;
        bool asksLoggedOn;
    } rows[] = {
        {"plain process", FALSE, FALSE, false, false},
        {"plain process, user logged on", FALSE, TRUE, false, false},
        {"service without user", TRUE, FALSE, false, true},
        {"service with user", TRUE, TRUE, true, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ScratchIni ini;
        ScopedServiceState state(row.isService, row.isLoggedOn);
        const DWORD callsBefore = VksServcProfileCallCount();
        const DWORD queriesBefore = VksServcLoggedOnQueryCount();

        const TutProfileKey key(ini.profile(), "Sec", "Key");
        key.write(-5L);                       // one write
        long value = 0;
        key.read(value, 0L);                  // one string read
        int number = 0;
        key.read(number, 0);                  // one integer read
        key.section().remove();               // one write

        EXPECT_EQ(-5L, value);
        EXPECT_EQ(-5, number);
        EXPECT_EQ(row.throughServices ? 4u : 0u, VksServcProfileCallCount() - callsBefore);
        EXPECT_EQ(row.asksLoggedOn ? 4u : 0u, VksServcLoggedOnQueryCount() - queriesBefore);
    }
}

TEST(ProfileRoad, BothRoadsLeaveTheSameText)
{
    std::string texts[2];
    for (BOOL service : {FALSE, TRUE}) {
        ScratchIni ini;
        ScopedServiceState state(service, TRUE);
        const TutProfileKey key(ini.profile(), "Sec", "Key");
        key.write(4294967295u);
        key.writeBool(TRUE);
        TutProfileKey(ini.profile(), "Sec", "Other").write(static_cast<short>(-2));
        texts[service] = ini.text();
    }
    EXPECT_EQ("[Sec]\r\nKey=Yes\r\nOther=-2\r\n", texts[FALSE]);
    EXPECT_EQ(texts[FALSE], texts[TRUE]);
}

}  // namespace
