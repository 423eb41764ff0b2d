#include "terminal.h"

#include <cerrno>
#include <clocale>
#include <string>

#include <iconv.h>
#include <langinfo.h>

#include "windows.h"

namespace tool {

namespace {

// A terminal under the plain C locale still most likely shows UTF-8.
std::string terminalEncoding()
{
    static const std::string encoding = [] {
        std::setlocale(LC_CTYPE, "");
        std::string codeset = nl_langinfo(CODESET);
        return codeset == "ANSI_X3.4-1968" || codeset.empty() ? std::string("UTF-8") : codeset;
    }();
    return encoding;
}

std::string ansiEncoding()
{
    UINT cp = GetACP();
    return cp == 65001 ? std::string("UTF-8") : "CP" + std::to_string(cp);
}

// Converts `in`; on a character without a place in the target, stops (strict) or writes '?'.
bool convert(const std::string &from, const std::string &to, const std::string &in,
             std::string &out, bool strict)
{
    out.clear();
    if (from == to) {
        out = in;
        return true;
    }
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char *src = const_cast<char *>(in.data());
    size_t srcLeft = in.size();
    bool ok = true;
    while (srcLeft > 0) {
        char chunk[256];
        char *dst = chunk;
        size_t dstLeft = sizeof chunk;
        size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(chunk, dst);
        if (rc != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        if (strict) {
            ok = false;
            break;
        }
        out += '?';
        ++src;
        --srcLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return ok;
}

}  // namespace

bool fromTerminal(const std::string &typed, std::string &ansi)
{
    return convert(terminalEncoding(), ansiEncoding(), typed, ansi, true);
}

std::string toTerminal(const std::string &ansi)
{
    std::string shown;
    convert(ansiEncoding(), terminalEncoding(), ansi, shown, false);
    return shown;
}

}  // namespace tool
