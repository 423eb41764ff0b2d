#if !defined(__unix__)
#error "userdirs_posix.cpp reads the POSIX desktop's user folders; build it only on a POSIX host"
#endif

#include "posix/userdirs_posix.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

namespace vks::detail::posix {

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::string homeFolder()
{
    std::string home = environment("HOME");
    if (!home.empty())
        return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        return found->pw_dir;
    return "";
}

std::string userDirsFile(const std::string &home)
{
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/')
        config = home + "/.config";
    return config + "/user-dirs.dirs";
}

// The text between the double quotes, with the escapes a shell undoes there (\$ \` \" \\);
// nothing when the quotes are not closed.
std::optional<std::string> unquoted(std::string_view text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string value;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"')
            return value;
        if (c == '\\' && i + 1 < text.size() && std::string_view("$`\"\\").find(text[i + 1]) !=
                                                      std::string_view::npos)
            c = text[++i];
        value += c;
    }
    return std::nullopt;
}

// As the desktop's own lookup does: only "$HOME/..." and absolute paths are accepted.
std::optional<std::string> expandedFolder(const std::string &value, const std::string &home)
{
    constexpr std::string_view kHome = "$HOME";
    if (value.compare(0, kHome.size(), kHome) == 0 &&
        (value.size() == kHome.size() || value[kHome.size()] == '/'))
        return home + value.substr(kHome.size());
    if (!value.empty() && value.front() == '/')
        return value;
    return std::nullopt;
}

std::string_view withoutLeadingBlanks(std::string_view text)
{
    size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The value of `key` in a shell-style assignment line, if the line assigns it.
std::optional<std::string> assignedValue(std::string_view line, std::string_view key)
{
    line = withoutLeadingBlanks(line);
    if (line.substr(0, key.size()) != key)
        return std::nullopt;
    line = withoutLeadingBlanks(line.substr(key.size()));
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    return unquoted(withoutLeadingBlanks(line.substr(1)));
}

// The file is sourced by shells, so a later assignment overrides an earlier one.
std::optional<std::string> configuredDocuments(const std::string &home)
{
    std::ifstream file(userDirsFile(home));
    std::optional<std::string> folder;
    std::string line;
    while (std::getline(file, line)) {
        std::optional<std::string> value = assignedValue(line, "XDG_DOCUMENTS_DIR");
        if (!value)
            continue;
        if (std::optional<std::string> expanded = expandedFolder(*value, home))
            folder = expanded;
    }
    return folder;
}

}  // namespace

std::string documentsFolder()
{
    std::string home = homeFolder();
    if (home.empty())
        return "";
    return configuredDocuments(home).value_or(home + "/Documents");
}

}  // namespace vks::detail::posix
