// vksutil_smoke: loads the Windows DLLs and checks, on the system's own settings, what needs no
// host control: the resource chain, code page 932 texts, dates, byte counts, a profile and the
// event log. One line per check; the exit status is 0 only when every check passes.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "vksutil.h"
#include "vkslog.h"

namespace {

// ---- Reporting ----

// Bytes outside printable ASCII as \xNN, so that Shift-JIS texts read the same on any terminal.
std::string visible(const std::string &text)
{
    std::string shown;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            shown += escape;
        }
    }
    return shown;
}

std::string number(long long value)
{
    return std::to_string(value);
}

// One check: the facts it saw, each with what it expected. It passes when every fact matches.
class Check {
public:
    explicit Check(const char *name) : name_(name) {}

    void expect(const char *what, const std::string &expected, const std::string &got)
    {
        facts_.push_back({what, expected, got});
    }

    // Prints the check's line; true when it passed.
    bool report() const
    {
        std::string seen;
        std::string mismatches;
        for (const Fact &fact : facts_) {
            seen += (seen.empty() ? "" : "; ") + fact.what + " " + visible(fact.got);
            if (fact.expected != fact.got)
                mismatches += (mismatches.empty() ? "" : "; ") + fact.what + " expected \"" +
                              visible(fact.expected) + "\", got \"" + visible(fact.got) + "\"";
        }
        if (facts_.empty())
            mismatches = "expected at least one fact, got none";
        if (mismatches.empty())
            std::printf("ok   %s: %s\n", name_, seen.c_str());
        else
            std::printf("FAIL %s: %s\n", name_, mismatches.c_str());
        std::fflush(stdout);
        return mismatches.empty();
    }

private:
    struct Fact {
        std::string what;
        std::string expected;
        std::string got;
    };

    const char *name_;
    std::vector<Fact> facts_;
};

// ---- Texts of the system ----

// "予定表" (schedule) in code page 932: both its first and its last character end in 0x5C,
// the byte of the backslash.
const std::string kSchedule = "\x97\x5c\x92\xe8\x95\x5c";
// "表定予": the same three characters reversed, each keeping its two bytes in order.
const std::string kScheduleReversed = "\x95\x5c\x92\xe8\x97\x5c";
// "バイト" (bytes), string 8293 of the library: its middle character's trail byte is 'C'.
const std::string kBytes = "\x83\x6f\x83\x43\x83\x67";

std::string localeText(LCTYPE item)
{
    char text[16] = "";
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) ? text : "";
}

std::string shortDateOfSystem(const SYSTEMTIME &day)
{
    char text[64] = "";
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, text, sizeof text)
               ? text
               : "";
}

std::string moduleFolder(HMODULE module)
{
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(module, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return "";
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string calendarText(const SYSTEMTIME &t)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u dow %u", t.wYear,
                  t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return text;
}

// The minutes UTC is ahead of local time now, from the system's time-zone information.
long long biasNow()
{
    TIME_ZONE_INFORMATION zone{};
    switch (GetTimeZoneInformation(&zone)) {
    case TIME_ZONE_ID_STANDARD:
        return zone.Bias + zone.StandardBias;
    case TIME_ZONE_ID_DAYLIGHT:
        return zone.Bias + zone.DaylightBias;
    default:
        return zone.Bias;
    }
}

long long minutesBetween(const FILETIME &from, const FILETIME &to)
{
    const auto ticks = [](const FILETIME &t) {
        return static_cast<long long>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                      t.dwLowDateTime);
    };
    constexpr long long kTicksPerMinute = 60LL * 10000000;
    return (ticks(to) - ticks(from)) / kTicksPerMinute;
}

// ---- The checks ----

bool productName()
{
    Check check("product name");
    CString name;
    check.expect("utProductName", "VELMORA", utProductName(name));
    check.expect("library instance is vksutil.dll", "yes",
                 utLibraryInstance() && utLibraryInstance() == GetModuleHandleA("vksutil.dll")
                     ? "yes"
                     : "no");
    return check.report();
}

bool codePage932Strings()
{
    Check check("cp932 CString");
    check.expect("GetACP", "932", number(GetACP()));

    const CString path = (kSchedule + "\\memo").c_str();
    check.expect("Find(backslash) in schedule+backslash+memo", "6", number(path.Find('\\')));
    check.expect("ReverseFind(backslash)", "6", number(path.ReverseFind('\\')));
    check.expect("Find(backslash+memo)", "6", number(path.Find("\\memo")));
    CString slashed = path;
    check.expect("Replace(backslash, '/') count", "1", number(slashed.Replace('\\', '/')));
    check.expect("after Replace", kSchedule + "/memo", static_cast<LPCSTR>(slashed));
    CString reversed = kSchedule.c_str();
    reversed.MakeReverse();
    check.expect("MakeReverse", kScheduleReversed, static_cast<LPCSTR>(reversed));

    CString unit;
    check.expect("LoadString(8293)", "TRUE", unit.LoadString(8293) ? "TRUE" : "FALSE");
    check.expect("string 8293", kBytes, static_cast<LPCSTR>(unit));
    check.expect("Find('C') in it", "-1", number(unit.Find('C')));
    return check.report();
}

bool dateRoundTrip()
{
    Check check("date round trip");
    // A Saturday, with one-digit month and day, so the settings' leading zeros (or none) show.
    const TutDate date(2026, 3, 7, 9, 5, 6, 789);
    SYSTEMTIME fields{};
    check.expect("GetSystemTime result", "1", number(date.GetSystemTime(fields) ? 1 : 0));
    check.expect("fields", "2026-03-07 09:05:06.789 dow 6", calendarText(fields));
    check.expect("back from the fields", "equal", TutDate(fields) == date ? "equal" : "different");

    // The DOS time word halves the seconds, so 6 comes back whole and the milliseconds go.
    const TutDate fromDos(date.DosDate(), date.DosTime());
    check.expect("through DOS words", "2026-03-07 09:05:06.000 dow 6",
                 calendarText(static_cast<SYSTEMTIME>(fromDos)));

    // UTC = local time + the bias in effect now, as the system reports it.
    TutDate moved = date;
    const int toUtc = moved.ConvertToUTC();
    check.expect("to UTC", "1 bias " + number(biasNow()) + " min",
                 number(toUtc ? 1 : 0) + " bias " + number(minutesBetween(date, moved)) + " min");
    const int toLocal = moved.ConvertToLocal();
    check.expect("and back", "1 equal",
                 number(toLocal ? 1 : 0) + " " + (moved == date ? "equal" : "different"));

    // The regional settings' short date, against the system's own formatting of it.
    const TutTimestamp moment(2026, 3, 7, 9, 5, 6);
    check.expect("short date", shortDateOfSystem(moment),
                 static_cast<char const *>(TutWinStringDate(moment)));
    return check.report();
}

bool byteCounts()
{
    Check check("byte counts");
    const std::string thousands = localeText(LOCALE_STHOUSAND);
    std::string decimal = localeText(LOCALE_SDECIMAL);
    check.expect("locale separators", thousands + " " + decimal,
                 std::string(TutWinString::getThousandSeparator()) + " " +
                     static_cast<char const *>(TutWinString::getDecimalSeparator()));
    // An empty decimal separator leaves the point of the printed number.
    if (decimal.empty())
        decimal = ".";
    const struct {
        const char *name;
        unsigned __int64 value;
        std::string text;
    } rows[] = {
        {"1234", 1234, "1" + thousands + "234" + kBytes},
        {"10000", 10000, "9" + decimal + "8 KB"},
        {"5 MB", 5ULL * 1024 * 1024 + 300 * 1024, "5" + decimal + "3 MB"},
    };
    for (const auto &row : rows)
        check.expect(row.name, row.text, static_cast<char const *>(TutWinBytes(row.value)));
    return check.report();
}

// A new folder under the user's temporary folder, removed with what it holds at scope exit.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char temp[MAX_PATH] = "";
        DWORD length = GetTempPathA(sizeof temp, temp);
        if (length == 0 || length >= sizeof temp)
            return;
        for (unsigned attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            char name[32];
            std::snprintf(name, sizeof name, "vks-smoke-%lu-%u",
                          static_cast<unsigned long>(GetCurrentProcessId()), attempt);
            std::string candidate = std::string(temp) + name;
            if (CreateDirectoryA(candidate.c_str(), nullptr))
                path_ = candidate + "\\";
        }
    }
    ~ScratchFolder() { remove(); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return path_; }

    // Deletes the folder's files and the folder; true when it is gone.
    bool remove()
    {
        if (path_.empty())
            return true;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((path_ + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        if (!RemoveDirectoryA(path_.c_str()))
            return false;
        path_.clear();
        return true;
    }

private:
    std::string path_;
};

std::string profileText(const std::string &file, const char *section, const char *key)
{
    char text[256] = "";
    GetPrivateProfileStringA(section, key, "(missing)", text, sizeof text, file.c_str());
    return text;
}

bool profileWriteAndRead()
{
    Check check("profile");
    ScratchFolder folder;
    check.expect("scratch folder made", "yes", folder.path().empty() ? "no" : "yes");
    if (folder.path().empty())
        return check.report();
    const std::string file = folder.path() + "smoke.ini";
    const TutProfile profile(file.c_str());
    const TutProfileSection section(profile, "Smoke");

    const TutProfileKey count(section, "Count");
    count.write(-42);
    int countRead = 0;
    count.read(countRead, 7);
    check.expect("int", "-42", number(countRead));

    const TutProfileKey big(section, "Big");
    big.write(static_cast<__int64>(-9000000000LL));
    __int64 bigRead = 0;
    big.read(bigRead, 0);
    check.expect("__int64", "-9000000000", number(bigRead));

    const TutProfileKey on(section, "On");
    on.writeBool(TRUE);
    int onRead = FALSE;
    on.readBool(onRead, FALSE);
    check.expect("bool", "1", number(onRead));

    const std::string folderText = kSchedule + "\\memo";
    const TutProfileKey where(section, "Folder");
    where.write(folderText.c_str());
    CString whereRead;
    where.read(whereRead, "");
    check.expect("cp932 text", folderText, static_cast<LPCSTR>(whereRead));

    const TutProfileKey when(section, "When");
    when.writeDate(TutDate(2026, 3, 7, 9, 5, 6, 0));
    TutDate whenRead;
    when.readDate(whenRead, TutDate());
    check.expect("date", "2026-03-07 09:05:06.000 dow 6",
                 calendarText(static_cast<SYSTEMTIME>(whenRead)));

    const TutProfileKey secret(section, "Secret");
    secret.writeEncrypt("open sesame");
    CString secretRead;
    secret.readEncrypt(secretRead, "");
    check.expect("scrambled text", "open sesame", static_cast<LPCSTR>(secretRead));

    // The file is a real INI file: the system's own reader finds what the library wrote.
    check.expect("system reads Count", "-42", profileText(file, "Smoke", "Count"));
    check.expect("system reads When", "2026,3,7,9,5,6", profileText(file, "Smoke", "When"));
    check.expect("section exists", "1", number(section.exists() ? 1 : 0));
    check.expect("folder removed", "yes", folder.remove() ? "yes" : "no");
    return check.report();
}

// ---- Reading events back through VKSLog.dll ----

struct EventRecord {
    DWORD eventId = 0;
    WORD type = 0;
    std::string source;
    std::string message;
    std::vector<std::string> strings;
};

class EventLogReader {
public:
    explicit EventLogReader(const std::string &folder)
        : module_(LoadLibraryA((folder + "VKSLog.dll").c_str()))
    {
    }
    ~EventLogReader()
    {
        if (module_)
            FreeLibrary(module_);
    }
    EventLogReader(const EventLogReader &) = delete;
    EventLogReader &operator=(const EventLogReader &) = delete;

    bool loaded() const { return open_ && read_ && close_; }

    // Up to `most` of the source's newest records, newest first.
    std::vector<EventRecord> newest(const char *source, size_t most)
    {
        std::vector<EventRecord> records;
        void *log = open_(nullptr, source);
        if (!log)
            return records;
        std::vector<char> buffer(0x10000);
        while (records.size() < most) {
            DWORD bytesRead = 0;
            DWORD needed = 0;
            if (!read_(log, EVENTLOG_SEQUENTIAL_READ | EVENTLOG_BACKWARDS_READ, 0, buffer.data(),
                       static_cast<DWORD>(buffer.size()), &bytesRead, &needed))
                break;
            for (DWORD at = 0; at < bytesRead && records.size() < most;) {
                const char *start = buffer.data() + at;
                const auto *fixed = reinterpret_cast<const VKSEVENTLOGRECORD *>(start);
                if (fixed->Length < sizeof *fixed || fixed->Length > bytesRead - at)
                    break;
                records.push_back(decoded(start, *fixed));
                at += fixed->Length;
            }
        }
        close_(log);
        return records;
    }

private:
    template <typename Entry>
    Entry entry(const char *name) const
    {
        if (!module_)
            return nullptr;
        return reinterpret_cast<Entry>(reinterpret_cast<void *>(GetProcAddress(module_, name)));
    }

    static EventRecord decoded(const char *start, const VKSEVENTLOGRECORD &fixed)
    {
        EventRecord record;
        record.eventId = fixed.EventID;
        record.type = fixed.EventType;
        record.source = start + fixed.SourceNameOffset;
        record.message = start + fixed.MessageOffset;
        const char *text = start + fixed.StringOffset;
        for (WORD n = 0; n < fixed.NumStrings; ++n) {
            record.strings.push_back(text);
            text += std::strlen(text) + 1;
        }
        return record;
    }

    HMODULE module_;
    decltype(&VKSOpenEventLog) open_ = entry<decltype(&VKSOpenEventLog)>("VKSOpenEventLog");
    decltype(&VKSReadEventLog) read_ = entry<decltype(&VKSReadEventLog)>("VKSReadEventLog");
    decltype(&VKSCloseEventLog) close_ = entry<decltype(&VKSCloseEventLog)>("VKSCloseEventLog");
};

// The banner line of message 0x4000006F in the message table's language for the user.
std::string bannerTitle(const std::string &product)
{
    switch (PRIMARYLANGID(GetUserDefaultLangID())) {
    case LANG_GERMAN:
        return product + " Protokolldatei";
    case LANG_SPANISH:
        return "Archivo de registro de " + product;
    case LANG_FRENCH:
        return "Fichier journal de " + product;
    case LANG_ITALIAN:
        return "File di registro di " + product;
    case LANG_JAPANESE:  // "ログ ファイル"
        return product + " \x83\x8d\x83\x4f \x83\x74\x83\x40\x83\x43\x83\x8b";
    default:
        return product + " Log File";
    }
}

// The newest record of the event whose message holds `text`; else the newest of the event.
const EventRecord *findMessage(const std::vector<EventRecord> &records, DWORD eventId,
                               const std::string &text)
{
    const EventRecord *newestOfEvent = nullptr;
    for (const EventRecord &record : records) {
        if (record.eventId != eventId)
            continue;
        if (record.message.find(text) != std::string::npos)
            return &record;
        if (!newestOfEvent)
            newestOfEvent = &record;
    }
    return newestOfEvent;
}

std::string bannerText(const EventRecord *record, const std::string &title)
{
    if (!record)
        return "(no banner event)";
    return record->message.find(title) != std::string::npos ? title : record->message;
}

std::string eventText(const EventRecord *record)
{
    if (!record)
        return "(no such event)";
    std::string text = record->source + " type " + number(record->type) + " strings";
    for (const std::string &inserted : record->strings)
        text += " [" + inserted + "]";
    return text;
}

bool eventLog()
{
    Check check("event log");
    // A text no earlier run wrote, with double-byte characters.
    char marker[64];
    std::snprintf(marker, sizeof marker, "smoke %lu %s",
                  static_cast<unsigned long>(GetTickCount()), kSchedule.c_str());
    {
        TutLogger logger;
        check.expect("logger open", "1", number(logger.isOpen() ? 1 : 0));
        check.expect("source registered", "1", number(TutLogger::isEventLogRegistered() ? 1 : 0));
        logger.WriteString(marker);
        logger.WriteHeaderString();
    }
    CString product;
    utProductName(product);
    EventLogReader reader(moduleFolder(GetModuleHandleA(nullptr)));
    check.expect("VKSLog.dll entries", "found", reader.loaded() ? "found" : "missing");
    if (!reader.loaded())
        return check.report();
    const std::vector<EventRecord> records = reader.newest(product, 8);
    const std::string expectedString = std::string(product) + " type " +
                                       number(EVENTLOG_INFORMATION_TYPE) + " strings [" + marker +
                                       "]";
    const EventRecord *written = findMessage(records, 0x4000006D, marker);
    check.expect("string event", expectedString, eventText(written));
    check.expect("its message", marker, written ? written->message : "(none)");
    const std::string title = bannerTitle(static_cast<LPCSTR>(product));
    check.expect("banner from the message table", title,
                 bannerText(findMessage(records, 0x4000006F, title), title));
    return check.report();
}

}  // namespace

int main()
{
    bool passed = true;
    for (bool (*check)() : {productName, codePage932Strings, dateRoundTrip, byteCounts,
                            profileWriteAndRead, eventLog})
        passed = check() && passed;
    return passed ? 0 : 1;
}
