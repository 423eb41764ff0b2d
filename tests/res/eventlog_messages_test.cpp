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

struct Message {
    DWORD id;
    const char *english;
};

const Message kMessages[] = {
    {0x40000064, "The %1 service was installed.\r\n"},
    {0x40000065, "The %1 service was removed.\r\n"},
    {0x40000069, "The service was started.\r\n"},
    {0x4000006B, "Debug: %1\r\n"},
    {0x4000006C, "The service was stopped.\r\n"},
    {0x4000006D, "%1\r\n"},
    {0x4000006F, "***************************************************************%n%t%t%t%t%t%t%1 Log File%n%t%t%t%t%t%t***************************************************************%n\r\n"},
    {0x40000070, "================================================%n%t%t%t%t%t%tCopy started.%n%t%t%t%t%t%t================================================%n\r\n"},
    {0x40000071, "================================================%n%t%t%t%t%t%tMove started.%n%t%t%t%t%t%t================================================%n\r\n"},
    {0x40000072, "================================================%n%t%t%t%t%t%tCopy completed.%n%t%t%t%t%t%t================================================%n\r\n"},
    {0x40000073, "================================================%n%t%t%t%t%t%tMove completed.%n%t%t%t%t%t%t================================================%n\r\n"},
    {0x40000074, "from computer: %1 %t%2%n%t%t%t%t%t%tto computer: %3%t%4\r\n"},
    {0x40000075, "(%1 bytes successfully copied.)%n\r\n"},
    {0x40000076, "(%1 bytes successfully moved.)%n\r\n"},
    {0x40000077, "File not copied due to exceptions.%n\r\n"},
    {0x40000078, "dummy.%n\r\n"},
    {0x40000079, "dummy.%n\r\n"},
    {0x4000007A, "Successfully copied %1 file(s)%n%t%t%t%t%t%tTotal bytes transferred: %2 bytes%n\r\n"},
    {0x4000007B, "Successfully moved %1 file(s)%n%t%t%t%t%t%tTotal bytes transferred: %2 bytes%n\r\n"},
    {0x4000007C, "%1 (%2): %3\r\n"},
    {0x4000007D, "Incoming service established.%n%tUser: %1.%n%tComputer: %2.%n%tService: %3.%n%tConnection: %4.%n\r\n"},
    {0x4000007E, "Outgoing service established.%n%tUser: %1.%n%tComputer: %2.%n%tService: %3.%n%tConnection: %4.%n\r\n"},
    {0x40000081, "Service disconnected normally.%n%tComputer: %1.%n%tService: %2.%n%tConnection: %3.%n\r\n"},
    {0x40000083, "Setting computer name to: %1.\r\n"},
    {0x40000086, "Callback made.%n%tUser: %1.%n%tComputer: %2.%n%tPhone number: %3.%n%tConnection: %4.\r\n"},
    {0x40000088, "CryptoAPI event:%t%1.\r\n"},
    {0x4000008A, "Computer: %1 wants %2 encryption when connecting to computer: %3.\r\n"},
    {0x4000008B, "Computer: %1 using encryption type %2 from computer: %3.\r\n"},
    {0x4000008C, "Computer: %1 wants to use %2.\r\n"},
    {0x4000008D, "Computer: %1 doesn't want to use CryptoAPI.\r\n"},
    {0x40000090, "Fallback Option enabled.\r\n"},
    {0x40000092, "CryptoAPI Encryption.\r\n"},
    {0x40000093, "Computer: %1 returning encryption type %2 to computer: %3\r\n"},
    {0x40000094, "Computer: %1 using negotiated encryption option: %2.\r\n"},
    {0x4000009D, "CMMODEM:TcmModem::logModemString() wrote the following message text: [%1][%2].\r\n"},
    {0x8000009B, "You have no Windows Modems installed on this computer. You will not be able to accept incoming Quillnet connections until you add modems to your system and enable Windows Modems in Port Setup.\r\n"},
    {0x8000009C, "You have disabled Windows Modems which will also disable Quillnet for incoming calls.\r\n"},
    {0xC0000066, "The %1 service could not be removed.\r\n"},
    {0xC0000067, "The control handler could not be installed.\r\n"},
    {0xC0000068, "The initialization process failed.\r\n"},
    {0xC000006A, "The service received an unsupported request.\r\n"},
    {0xC000006E, "%1\r\n"},
    {0xC000007F, "Incoming session request denied.%n%tUser: %1.%n%tComputer: %2.%n%tService: %3.%n%tConnection: %4.%n%tReason: %5.%n\r\n"},
    {0xC0000080, "Outgoing session request denied.%n%tUser: %1.%n%tComputer: %2.%n%tService: %3.%n%tConnection: %4.%n%tReason: %5.%n\r\n"},
    {0xC0000082, "Service connection lost.%n%tComputer: %1.%n%tService: %2.%n%tConnection: %3.%n%tReason: %4.%n\r\n"},
    {0xC0000084, "Incoming modem connection denied.%n%tUser: %1.%n%tComputer: %2.%n%tConnection: %3.%n%tReason: %4.\r\n"},
    {0xC0000085, "Outgoing modem connection denied.%n%tUser: %1.%n%tComputer: %2.%n%tConnection: %3.%n%tReason: %4.\r\n"},
    {0xC0000087, "Error negotiationg Crypto API session key: %1%n.\r\n"},
    {0xC0000089, "CryptoAPI error:%t%1.\r\n"},
    {0xC000008E, "Computer: %1 doesn't support CryptoAPI.  Early version.\r\n"},
    {0xC000008F, "Encryption over TCP only is set.  Disabling encryption.\r\n"},
    {0xC0000091, "Connection attempt from computer: %1%n%tRejected because computer: %2 doesn't support CRYPTOAPI. (Older Velmora version)%n\r\n"},
    {0xC0000095, "Unable to open COM interface to the Quillnet Server. Result=%1.\r\n"},
    {0xC0000096, "Could not access the Quillnet Server.\r\n"},
    {0xC0000097, "Unable to open COM interface to the Quillnet Log. Result=%1.\r\n"},
    {0xC0000098, "Could not access the Quillnet Log.\r\n"},
    {0xC0000099, "Could not configure the Quillnet Log.\r\n"},
    {0xC000009A, "Could not enable the Quillnet Server.\r\n"},
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

TEST(EventLogMessages, EnglishTextsAreTheProductsOwn)
{
    LibraryModule library;
    ASSERT_NE(nullptr, library.get());
    vkstest::ScopedCodePage japanese(932);
    for (const Message &message : kMessages) {
        SCOPED_TRACE(message.id);
        EXPECT_EQ(withBreaksAndTabs(message.english), messageText(library.get(), message.id, 0x0409));
    }
}

TEST(EventLogMessages, EveryLanguageHasEveryMessageWithTheSameInsertsAndLayout)
{
    LibraryModule library;
    ASSERT_NE(nullptr, library.get());
    vkstest::ScopedCodePage westernEurope(1252);
    const std::regex kInsert("%[1-9][0-9]?"), kLayout("\r\n|\t");
    for (WORD language : kLanguages) {
        for (const Message &message : kMessages) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", message " << std::hex << message.id);
            SetLastError(0xdeadbeef);
            std::string text = messageText(library.get(), message.id, language);
            ASSERT_FALSE(text.empty()) << GetLastError();
            EXPECT_EQ("\r\n", text.substr(text.size() - 2));
            std::vector<std::string> inserts = sequences(text, kInsert);
            std::vector<std::string> englishInserts = sequences(message.english, kInsert);
            std::sort(inserts.begin(), inserts.end());
            std::sort(englishInserts.begin(), englishInserts.end());
            EXPECT_EQ(englishInserts, inserts);
            EXPECT_EQ(sequences(withBreaksAndTabs(message.english), kLayout), sequences(text, kLayout));
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
