// vksutil format: numbers, byte counts, dates and times as the regional settings write them.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <vksutil/vksutil.h>

#include "commands.h"
#include "moment_text.h"
#include "terminal.h"

namespace tool {

namespace {

// A whole decimal number: optional minus sign, digits only, within 64 bits.
bool parseCount(const std::string &word, bool &negative, unsigned long long &magnitude)
{
    negative = !word.empty() && word[0] == '-';
    const std::string digits = negative ? word.substr(1) : word;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    magnitude = std::strtoull(digits.c_str(), nullptr, 10);
    if (errno == ERANGE)
        return false;
    return !negative || magnitude <= 9223372036854775808ULL;
}

long long negated(unsigned long long magnitude)
{
    return magnitude == 9223372036854775808ULL ? -9223372036854775807LL - 1
                                               : -static_cast<long long>(magnitude);
}

// YYYY-MM-DDTHH:MM:SS, a moment the date value can hold.
bool parseMoment(const std::string &word, TutTimestamp &moment)
{
    MomentFields fields;
    if (!parseMomentText(word, fields))
        return false;
    moment = TutTimestamp(fields.year, fields.month, fields.day, fields.hour, fields.minute,
                          fields.second);
    // An invalid combination gives the value 0, which reads back as 1601-01-01.
    return moment.year() == fields.year && moment.month() == fields.month &&
           moment.day() == fields.day && moment.hour() == fields.hour &&
           moment.minutes() == fields.minute && moment.seconds() == fields.second;
}

TutTimestamp now()
{
    TutDate date;
    date.LoadLocalTime();
    return TutTimestamp(date);
}

int printNumber(const std::vector<std::string> &words, bool asBytes)
{
    if (words.size() != 2)
        return usageError(std::string("format ") + words[0] + " takes one number");
    bool negative = false;
    unsigned long long magnitude = 0;
    if (!parseCount(words[1], negative, magnitude))
        return usageError("not a 64-bit whole number: " + words[1]);
    std::string text;
    if (asBytes && negative)
        text = static_cast<char const *>(TutWinBytes(negated(magnitude)));
    else if (asBytes)
        text = static_cast<char const *>(TutWinBytes(magnitude));
    else if (negative)
        text = static_cast<char const *>(TutWinStringNumber(negated(magnitude)));
    else
        text = static_cast<char const *>(TutWinStringNumber(magnitude));
    std::printf("%s\n", toTerminal(text).c_str());
    return kDone;
}

int printMoment(const std::vector<std::string> &words)
{
    if (words.size() > 2)
        return usageError("format " + words[0] + " takes at most one moment");
    TutTimestamp moment = now();
    if (words.size() == 2 && !parseMoment(words[1], moment))
        return usageError("not a moment of the form YYYY-MM-DDTHH:MM:SS: " + words[1]);
    char text[29];
    if (words[0] == "date")
        moment.dateString(text, sizeof text);
    else if (words[0] == "time")
        moment.timeString(text, sizeof text);
    else
        moment.dateTimeString(text, sizeof text);
    std::printf("%s\n", toTerminal(text).c_str());
    return kDone;
}

}  // namespace

void helpFormat(FILE *out)
{
    std::fputs("usage: vksutil [--drive-c DIR] format number N\n"
               "       vksutil [--drive-c DIR] format bytes N\n"
               "       vksutil [--drive-c DIR] format date|time|datetime [YYYY-MM-DDTHH:MM:SS]\n\n"
               "Writes a whole number with digit grouping, a byte count in bytes, KB, MB or GB,\n"
               "or a moment's short date, time of day or both (the present moment when none\n"
               "is given), all with the regional settings of the drive's win.ini, section\n"
               "[intl]. N is a signed or unsigned 64-bit whole number.\n", out);
}

int runFormat(const Args &, const std::vector<std::string> &words)
{
    if (words.empty())
        return usageError("format needs number, bytes, date, time or datetime");
    // The library read win.ini when it was loaded, before --drive-c chose the drive.
    TutWinString::updateWinIniCache();
    const std::string &what = words[0];
    if (what == "number" || what == "bytes")
        return printNumber(words, what == "bytes");
    if (what == "date" || what == "time" || what == "datetime")
        return printMoment(words);
    return usageError("unknown format '" + what + "' (see vksutil format --help)");
}

}  // namespace tool
