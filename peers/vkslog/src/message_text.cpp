// Formatting an event's message the way a viewer does: FormatMessage over the message file.
#include "message_text.h"

namespace vkslog {

namespace {

constexpr unsigned kInsertCount = 99;
// A '*' field makes FormatMessage read up to two entries past the highest read before, so the
// array goes on well past the inserts; a message would need over 99 starred inserts to leave it.
constexpr unsigned kStarredReach = 2 * kInsertCount;

std::string windowsDirectory()
{
    char folder[MAX_PATH] = "";
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return length && length < sizeof folder ? folder : "C:\\WINDOWS";
}

// Replaces the environment references a registration may hold.
std::string expanded(std::string text)
{
    for (const char *name : {"%SystemRoot%", "%windir%"}) {
        std::string reference = name;
        for (size_t at = 0; (at = text.find(reference, at)) != std::string::npos;) {
            text.replace(at, reference.size(), windowsDirectory());
            at += windowsDirectory().size();
        }
    }
    return text;
}

std::vector<std::string> split(const std::string &list)
{
    std::vector<std::string> files;
    for (size_t start = 0;;) {
        size_t end = list.find(';', start);
        std::string file = list.substr(start, end - start);
        if (!file.empty())
            files.push_back(expanded(file));
        if (end == std::string::npos)
            return files;
        start = end + 1;
    }
}

bool formatFrom(const std::string &file, DWORD eventId, WORD language,
                const std::vector<DWORD_PTR> &arguments, std::string &text)
{
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module)
        return false;
    char *buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY |
                                      FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                  module, eventId, language, reinterpret_cast<LPSTR>(&buffer), 0,
                                  reinterpret_cast<va_list *>(const_cast<DWORD_PTR *>(arguments.data())));
    if (length)
        text.assign(buffer, length);
    LocalFree(buffer);
    FreeLibrary(module);
    return length != 0;
}

std::string withoutFinalBreaks(std::string text)
{
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    return text;
}

}  // namespace

std::string messageText(const std::string &messageFiles, DWORD eventId, const std::string &source,
                        const std::vector<std::string> &strings, WORD language)
{
    // A message may ask for more inserts than the event has: those show as written.
    std::vector<std::string> placeholders;
    for (unsigned n = static_cast<unsigned>(strings.size()) + 1; n <= kInsertCount; ++n)
        placeholders.push_back(std::string(1, '%').append(std::to_string(n)));
    std::vector<DWORD_PTR> arguments;
    for (const std::string &text : strings)
        arguments.push_back(reinterpret_cast<DWORD_PTR>(text.c_str()));
    for (const std::string &text : placeholders)
        arguments.push_back(reinterpret_cast<DWORD_PTR>(text.c_str()));
    arguments.insert(arguments.end(), kStarredReach, reinterpret_cast<DWORD_PTR>(""));

    std::string text;
    for (const std::string &file : split(messageFiles))
        if (formatFrom(file, eventId, language, arguments, text))
            return withoutFinalBreaks(text);
    text = "The description for event " + std::to_string(eventId & 0xFFFF) + " from source " +
           source + " cannot be found.";
    for (size_t i = 0; i < strings.size(); ++i)
        text += (i ? "; " : " The event's strings: ") + strings[i];
    return text;
}

}  // namespace vkslog
