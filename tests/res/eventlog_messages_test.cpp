// The library's event-log message table: the 58 messages in each of the six languages, the same
// inserts and layout in every language, and the English texts as the product wrote them.
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "library_env.h"
#include "vkshost.h"
#include "windows.h"

namespace {

// Every message of the table; the English texts are read from the module itself and the other
// languages checked against them, with a few English texts below as the product wrote them.
const DWORD kMessageIds[] = {
    0x40000064, 0x40000065, 0x40000069, 0x4000006B, 0x4000006C, 0x4000006D, 0x4000006F,
    0x40000070, 0x40000071, 0x40000072, 0x40000073, 0x40000074, 0x40000075, 0x40000076,
    0x40000077, 0x40000078, 0x40000079, 0x4000007A, 0x4000007B, 0x4000007C, 0x4000007D,
    0x4000007E, 0x40000081, 0x40000083, 0x40000086, 0x40000088, 0x4000008A, 0x4000008B,
    0x4000008C, 0x4000008D, 0x40000090, 0x40000092, 0x40000093, 0x40000094, 0x4000009D,
    0x8000009B, 0x8000009C, 0xC0000066, 0xC0000067, 0xC0000068, 0xC000006A, 0xC000006E,
    0xC000007F, 0xC0000080, 0xC0000082, 0xC0000084, 0xC0000085, 0xC0000087, 0xC0000089,
    0xC000008E, 0xC000008F, 0xC0000091, 0xC0000095, 0xC0000096, 0xC0000097, 0xC0000098,
    0xC0000099, 0xC000009A,
};

const WORD kLanguages[] = {0x0007, 0x0009, 0x000A, 0x000C, 0x0010, 0x0011};

// The library's module: the application directory's VKSUTIL.DLL is the loaded library.
class LibraryModule {
public:
    LibraryModule()
    {
        const std::string &program = vkstest::LibraryEnvironment::executableDosPath();
        module_ = LoadLibraryA((program.substr(0, program.find_last_of('\\')) + "\\VKSUTIL.DLL").c_str());
    }
    ~LibraryModule() { FreeLibrary(module_); }
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

// The message's text with its inserts as written (%n and %t show as the line break and tab they
// stand for, as on Windows); "" when it is missing.
std::string messageText(HMODULE module, DWORD id, WORD language)
{
    char text[1024];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, module, id,
                                  language, text, sizeof text, nullptr);
    return std::string(text, length);
}

// A text as written in the table, as messageText shows it.
std::string withBreaksAndTabs(std::string text)
{
    for (const auto &[escape, meaning] : {std::pair<std::string, std::string>{"%n", "\r\n"}, {"%t", "\t"}})
        for (size_t at = 0; (at = text.find(escape, at)) != std::string::npos; at += meaning.size())
            text.replace(at, escape.size(), meaning);
    return text;
}

// The inserts in order of appearance, and the sequence of line breaks and tabs.
std::vector<std::string> sequences(const std::string &text, const std::regex &sequence)
{
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), sequence), end; it != end; ++it)
        found.push_back(it->str());
    return found;
}

// One message of each kind: plain, with an insert, only an insert, and laid out with %n and %t.
TEST(EventLogMessages, EnglishTextsAreTheProductsOwn)
{
    LibraryModule library;
    ASSERT_NE(nullptr, library.get());
    vkstest::ScopedCodePage japanese(932);
    const struct {
        DWORD id;
        const char *english;
    } rows[] = {
        {0x40000069, "The service was started.\r\n"},
        {0x40000064, "The %1 service was installed.\r\n"},
        {0x4000006D, "%1\r\n"},
        {0x40000070, "================================================%n%t%t%t%t%t%tCopy started.%n%t%t%t%t%t%t================================================%n\r\n"},
        {0xC0000097, "Unable to open COM interface to the Quillnet Log. Result=%1.\r\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(withBreaksAndTabs(row.english), messageText(library.get(), row.id, 0x0409));
    }
}

TEST(EventLogMessages, EveryLanguageHasEveryMessageWithTheSameInsertsAndLayout)
{
    LibraryModule library;
    ASSERT_NE(nullptr, library.get());
    vkstest::ScopedCodePage westernEurope(1252);
    const std::regex kInsert("%[1-9][0-9]?"), kLayout("\r\n|\t");
    for (DWORD id : kMessageIds) {
        const std::string english = messageText(library.get(), id, 0x0409);
        ASSERT_FALSE(english.empty()) << std::hex << id;
        std::vector<std::string> englishInserts = sequences(english, kInsert);
        std::sort(englishInserts.begin(), englishInserts.end());
        for (WORD language : kLanguages) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", message " << std::hex << id);
            SetLastError(0xdeadbeef);
            std::string text = messageText(library.get(), id, language);
            ASSERT_FALSE(text.empty()) << GetLastError();
            EXPECT_EQ("\r\n", text.substr(text.size() - 2));
            std::vector<std::string> inserts = sequences(text, kInsert);
            std::sort(inserts.begin(), inserts.end());
            EXPECT_EQ(englishInserts, inserts);
            EXPECT_EQ(sequences(english, kLayout), sequences(text, kLayout));
        }
    }
}

TEST(EventLogMessages, TheUsersLanguageChoosesTheTable)
{
    LibraryModule library;
    vkstest::ScopedCodePage westernEurope(1252);
    const struct {
        const char *name;
        WORD language;
        const char *expected;  // message 0x40000069
    } rows[] = {
        {"German", 0x0407, "Der Dienst wurde gestartet.\r\n"},
        {"Swiss French", 0x100C, "Le service a d\xE9marr\xE9.\r\n"},
        {"Mexican Spanish", 0x080A, "Se inici\xF3 el servicio.\r\n"},
        {"Italian", 0x0410, "Il servizio \xE8 stato avviato.\r\n"},
        {"Dutch: no table, English", 0x0413, "The service was started.\r\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        VksHostSetUserLanguage(&row.language);
        EXPECT_EQ(row.expected, messageText(library.get(), 0x40000069, 0));
    }
    VksHostSetUserLanguage(nullptr);
}

}  // namespace
