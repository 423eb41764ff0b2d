// Fuzzes the short-date pattern of the regional settings: the pattern is written to win.ini's
// [intl] section, the settings are read again, and a few moments are written in that form.
// Besides crashes and sanitizer reports, it stops on a broken promise: field places that are
// not a permutation of first, second and third, a separator longer than one byte, a flag other
// than 0 or 1, a date text longer than 10 characters or written past its buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"

#include <vksutil/vksutil.h>

#include "vkshost.h"

namespace {

using fuzzsupport::cString;
using fuzzsupport::require;

namespace fs = std::filesystem;

// The file on the run's private drive C.
const std::string &winIniPath()
{
    static const std::string path = fuzzsupport::driveC() + "/WINDOWS/win.ini";
    return path;
}

bool isFlag(int value)
{
    return value == 0 || value == 1;
}

void checkPlaces()
{
    const int month = TutWinString::getMonthPosition();
    const int day = TutWinString::getDayPosition();
    const int year = TutWinString::getYearPosition();
    require(month >= 1 && month <= 3 && day >= 1 && day <= 3 && year >= 1 && year <= 3);
    require(month != day && day != year && month != year);
    require(TutWinString::getFirstDateSeparator().length() <= 1);
    require(TutWinString::getSecondDateSeparator().length() <= 1);
    require(isFlag(TutWinString::getMonthsLeadingZero()) &&
            isFlag(TutWinString::getDaysLeadingZero()) &&
            isFlag(TutWinString::getYearsShowCentury()));
    require(TutWinString::getLongestDate().length() <= 10);
}

void checkDateText(const TutTimestamp &moment)
{
    char buffer[11 + 8];
    std::memset(buffer, 0x5a, sizeof buffer);
    require(moment.dateString(buffer, 11) == 1);
    require(std::strlen(buffer) <= 10);
    for (size_t i = 11; i < sizeof buffer; ++i)
        require(buffer[i] == 0x5a);
    require(std::strcmp(TutWinStringDate(moment), buffer) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool withKey = input.ConsumeBool();
    std::string pattern = input.ConsumeRemainingBytesAsString();
    std::ofstream ini(winIniPath(), std::ios::binary | std::ios::trunc);
    ini << "[intl]\r\n";
    if (withKey)
        ini << "sShortDate=" << pattern << "\r\n";
    else
        ini << pattern;
    ini.close();

    TutWinString::updateWinIniCache();
    checkPlaces();
    checkDateText(TutTimestamp(2002, 3, 5, 14, 7, 9));
    checkDateText(TutTimestamp(1999, 12, 31, 23, 59, 59));
    checkDateText(TutTimestamp(2107, 12, 31, 0, 0, 0));
    return 0;
}
