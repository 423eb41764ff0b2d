// Section names, key names and texts that the profile functions refuse to write, because they
// could not be read back as written.
#pragma once

#include <string>

namespace tool {

// Each gives true when the name or text can be written; `why` says why not.
bool checkSectionName(const std::string &section, std::string &why);
bool checkKeyName(const std::string &key, std::string &why);
bool checkTextValue(const std::string &text, std::string &why);

// The text a reader gets back for a stored `text`: blanks at either end and one pair of
// matching quotes around it are not kept.
std::string readBackForm(const std::string &text);

}  // namespace tool
