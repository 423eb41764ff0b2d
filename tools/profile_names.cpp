#include "profile_names.h"

namespace tool {

namespace {

// The blanks an INI line's reader drops around names and values.
constexpr char kBlanks[] = " \t\r\v\f";

std::string trimBlanks(const std::string &text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool hasLineBreak(const std::string &text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

bool checkSectionName(const std::string &section, std::string &why)
{
    why = hasLineBreak(section) ? "a section name cannot hold a line break" : "";
    return why.empty();
}

bool checkKeyName(const std::string &key, std::string &why)
{
    const std::string name = trimBlanks(key);
    if (name.empty())
        why = "a key name cannot be empty or blank";
    else if (hasLineBreak(name))
        why = "a key name cannot hold a line break";
    else if (name.find('=') != std::string::npos)
        why = "a key name cannot hold '=', which ends the name in the file";
    else if (name.front() == ';')
        why = "a key name cannot begin with ';', which starts a comment";
    else if (name.front() == '[')
        why = "a key name cannot begin with '[', which starts a section";
    else
        why.clear();
    return why.empty();
}

bool checkTextValue(const std::string &text, std::string &why)
{
    why = hasLineBreak(text) ? "a text cannot hold a line break: each line of the file holds one "
                               "value"
                             : "";
    return why.empty();
}

std::string readBackForm(const std::string &text)
{
    const std::string value = trimBlanks(text);
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace tool
