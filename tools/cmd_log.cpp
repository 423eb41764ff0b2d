// vksutil log: the product's activity log, read through the event-log library and written
// through the logger.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <vksutil/vksutil.h>

#include "commands.h"
#include "error_text.h"
#include "terminal.h"
#include "vkslog.h"

namespace tool {

namespace {

struct Language {
    const char *code;
    WORD primary;
};

const Language kLanguages[] = {
    {"de", LANG_GERMAN}, {"en", LANG_ENGLISH}, {"es", LANG_SPANISH},
    {"fr", LANG_FRENCH}, {"it", LANG_ITALIAN}, {"ja", LANG_JAPANESE},
};

bool languageId(const std::string &code, DWORD &id)
{
    for (const Language &language : kLanguages) {
        if (code == language.code) {
            id = MAKELANGID(language.primary, SUBLANG_NEUTRAL);
            return true;
        }
    }
    return false;
}

const char *typeName(WORD type)
{
    switch (type) {
    case EVENTLOG_ERROR_TYPE:
        return "Error";
    case EVENTLOG_WARNING_TYPE:
        return "Warning";
    case EVENTLOG_INFORMATION_TYPE:
        return "Information";
    case EVENTLOG_AUDIT_SUCCESS:
        return "Audit success";
    case EVENTLOG_AUDIT_FAILURE:
        return "Audit failure";
    default:
        return "Success";
    }
}

// "YYYY-MM-DD HH:MM:SS" of a count of seconds since 1970-01-01 00:00, read as local time.
std::string timeText(DWORD seconds)
{
    int64_t days = seconds / 86400;
    const int secondOfDay = static_cast<int>(seconds % 86400);
    // Civil date from a day count (proleptic Gregorian calendar, eras of 400 years).
    days += 719468;
    const int64_t era = days / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day,
                  secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return text;
}

// The event's message from the library's message table in the language asked for (0: the
// usual language order), its inserts the event's strings; the text the log kept when the table
// has no such message.
std::string messageText(const VKSEVENTLOGRECORD &record, DWORD language)
{
    const char *base = reinterpret_cast<const char *>(&record);
    std::vector<DWORD_PTR> inserts;
    const char *string = base + record.StringOffset;
    for (WORD i = 0; i < record.NumStrings; ++i) {
        inserts.push_back(reinterpret_cast<DWORD_PTR>(string));
        string += std::string(string).size() + 1;
    }
    // A message may ask for more inserts than the event has: those show as written, as the
    // event-log library shows them. A starred insert reads its width and precision from further
    // entries, which are empty texts.
    static const std::vector<std::string> kPlaceholders = [] {
        std::vector<std::string> texts;
        for (int n = 1; n <= 99; ++n)
            texts.push_back(std::string("%").append(std::to_string(n)));
        return texts;
    }();
    for (size_t n = inserts.size(); n < kPlaceholders.size(); ++n)
        inserts.push_back(reinterpret_cast<DWORD_PTR>(kPlaceholders[n].c_str()));
    inserts.resize(inserts.size() + 2 * kPlaceholders.size(), reinterpret_cast<DWORD_PTR>(""));
    char *buffer = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY |
            FORMAT_MESSAGE_ALLOCATE_BUFFER,
        utLibraryInstance(), record.EventID, language, reinterpret_cast<LPSTR>(&buffer), 0,
        reinterpret_cast<va_list *>(inserts.data()));
    std::string text = length ? std::string(buffer, length) : base + record.MessageOffset;
    LocalFree(buffer);
    return text;
}

// Each line of the message indented by four blanks, without carriage returns.
void printMessage(const std::string &message)
{
    std::string line;
    for (char c : message + "\n") {
        if (c == '\r')
            continue;
        if (c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty())
            std::printf("    %s\n", toTerminal(line).c_str());
        line.clear();
    }
}

void printRecord(const VKSEVENTLOGRECORD &record, DWORD language)
{
    const char *source = reinterpret_cast<const char *>(&record) + record.SourceNameOffset;
    std::printf("%s  %-11s  event %u  (%s)\n", timeText(record.TimeGenerated).c_str(),
                typeName(record.EventType), static_cast<unsigned>(record.EventID & 0xFFFF),
                toTerminal(source).c_str());
    printMessage(messageText(record, language));
}

int failed(const char *what)
{
    DWORD error = TutLogger::g_pfnGetLastError ? TutLogger::g_pfnGetLastError(nullptr) : 0;
    std::fprintf(stderr, "vksutil: %s (error %u)\n", what, static_cast<unsigned>(error));
    return kFailed;
}

// Reads every record forwards; false on an error other than the end of the log.
bool printRecords(void *log, DWORD language, unsigned &count)
{
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD read = 0, needed = 0;
        if (!TutLogger::g_pfnReadEventLog(log, EVENTLOG_SEQUENTIAL_READ | EVENTLOG_FORWARDS_READ,
                                          0, buffer.data(), static_cast<DWORD>(buffer.size()),
                                          &read, &needed)) {
            DWORD error = TutLogger::g_pfnGetLastError(log);
            if (error == ERROR_INSUFFICIENT_BUFFER && needed > buffer.size()) {
                buffer.resize(needed);
                continue;
            }
            return error == ERROR_HANDLE_EOF;
        }
        for (DWORD offset = 0; offset < read;) {
            const auto *record = reinterpret_cast<const VKSEVENTLOGRECORD *>(buffer.data() + offset);
            if (record->Length == 0)
                break;
            printRecord(*record, language);
            ++count;
            offset += record->Length;
        }
    }
}

int showLog(DWORD language)
{
    if (!TutLogger::CheckBindLibrary(nullptr))
        return failed("the event-log library VKSLog.dll could not be loaded");
    CString productName;
    void *log = TutLogger::g_pfnOpenEventLog(nullptr, utProductName(productName));
    if (!log) {
        int result = failed("the activity log could not be opened");
        TutLogger::UnbindLibrary();
        return result;
    }
    unsigned count = 0;
    const bool complete = printRecords(log, language, count);
    TutLogger::g_pfnCloseEventLog(log);
    int result = complete ? kDone : failed("the activity log could not be read to its end");
    if (complete && count == 0)
        std::puts("(the activity log is empty)");
    TutLogger::UnbindLibrary();
    return result;
}

// "vksutil: <what>: <reason>", or without the reason when the event-log library gave none.
int failedBecause(const std::string &what, DWORD error)
{
    std::fprintf(stderr, "vksutil: %s%s%s\n", what.c_str(), error ? ": " : "",
                 error ? errorText(error).c_str() : "");
    return kFailed;
}

// Why the logger could not open the activity log: the event-log library, the registration of
// the product's event source (the registry of a read-only drive), or the source itself.
int openFailure()
{
    if (!TutLogger::CheckBindLibrary(nullptr))
        return failedBecause("the event-log library VKSLog.dll could not be loaded", 0);
    int result;
    if (!TutLogger::isEventLogRegistered()) {
        // The logger drops the event-log library's reason; registering again tells it.
        TutLogger::RegisterEventLog(TRUE);
        result = failedBecause("the product's event source could not be registered in the "
                               "registry of drive C, so the activity log cannot be opened",
                               TutLogger::g_pfnGetLastError(nullptr));
    } else {
        result = failedBecause("the product's event source could not be opened",
                               TutLogger::g_pfnGetLastError(nullptr));
    }
    TutLogger::UnbindLibrary();
    return result;
}

int writeLine(const std::string &typed)
{
    std::string text;
    if (!fromTerminal(typed, text))
        return usageError("the text has characters outside the ANSI code page");
    TutLogger logger;
    if (!logger.isOpen())
        return openFailure();
    // The logger's writes report nothing, but the event-log library keeps the error of its last
    // failed call: one that appears with this write is this write's.
    const DWORD before = TutLogger::g_pfnGetLastError(nullptr);
    logger.WriteString(text.c_str());
    const DWORD after = TutLogger::g_pfnGetLastError(nullptr);
    if (after != before)
        return failedBecause(std::string("the line could not be written to the activity log in ") +
                                 toTerminal(TutDirectories::data()),
                             after);
    return kDone;
}

}  // namespace

void helpLog(FILE *out)
{
    std::fputs("usage: vksutil [--drive-c DIR] log show [--lang CODE]\n"
               "       vksutil [--drive-c DIR] log write TEXT\n\n"
               "show   prints every entry of the product's activity log, oldest first: its\n"
               "       time, type, event number and source, then its message from the\n"
               "       library's message table in the language CODE (de, en, es, fr, it, ja;\n"
               "       default: the user's language, else English).\n"
               "write  logs TEXT as one line of the activity log, as the product does.\n\n"
               "Both go through the event-log library VKSLog.dll beside the program; without\n"
               "it they fail with exit code 3, as they do when the product's event source\n"
               "cannot be registered (a read-only drive) or the line cannot be written to the\n"
               "log folder. The message says which, and why.\n", out);
}

int runLog(const Args &args, const std::vector<std::string> &words)
{
    if (words.empty())
        return usageError("log needs show or write (see vksutil log --help)");
    if (words[0] == "show") {
        if (words.size() != 1)
            return usageError("log show takes no arguments besides --lang");
        DWORD language = 0;
        if (args.has("--lang") && !languageId(args.option("--lang"), language))
            return usageError("--lang: unknown language '" + args.option("--lang") +
                              "' (de, en, es, fr, it, ja)");
        return showLog(language);
    }
    if (words[0] == "write") {
        if (words.size() != 2)
            return usageError("log write takes one TEXT");
        return writeLine(words[1]);
    }
    return usageError("unknown log command '" + words[0] + "' (show or write)");
}

}  // namespace tool
