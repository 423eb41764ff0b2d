#include "terminal.h"

#include <vector>

#include "vkstext.h"
#include "windows.h"

namespace tool {

namespace {

using Converter = int (*)(const char *from, char *to, int size);

// Runs one of the platform's converters with the Win32 size rules: ask the size, then convert.
bool convertWith(Converter converter, const std::string &in, std::string &out)
{
    out.clear();
    int needed = converter(in.c_str(), nullptr, 0);
    if (needed <= 0)
        return false;
    std::vector<char> buffer(static_cast<std::size_t>(needed));
    if (converter(in.c_str(), buffer.data(), needed) != needed)
        return false;
    out.assign(buffer.data(), static_cast<std::size_t>(needed) - 1);
    return true;
}

}  // namespace

bool fromTerminal(const std::string &typed, std::string &ansi)
{
    return convertWith(VksUtf8ToAnsiStrict, typed, ansi);
}

std::string toTerminal(const std::string &ansi)
{
    std::string shown;
    if (!convertWith(VksAnsiToUtf8, ansi, shown))
        return ansi;
    return shown;
}

}  // namespace tool
