#if !defined(__unix__)
#error "iconv_posix.cpp is the POSIX converter layer; build it only on a POSIX host"
#endif

#include "posix/iconv_posix.h"

#include <cerrno>
#include <map>
#include <utility>

#include <iconv.h>

namespace vks::detail::posix {

namespace {

const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);

// Opening a converter loads tables, so each thread keeps the ones it has used.
class ConverterCache {
public:
    ~ConverterCache()
    {
        for (auto &entry : converters_)
            if (entry.second != kInvalid)
                iconv_close(entry.second);
    }

    iconv_t get(const char *from, const char *to)
    {
        auto key = std::make_pair(std::string(from), std::string(to));
        auto found = converters_.find(key);
        if (found == converters_.end())
            found = converters_.emplace(std::move(key), iconv_open(to, from)).first;
        else if (found->second != kInvalid)
            iconv(found->second, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return found->second;
    }

private:
    std::map<std::pair<std::string, std::string>, iconv_t> converters_;
};

iconv_t converter(const char *from, const char *to)
{
    thread_local ConverterCache cache;
    return cache.get(from, to);
}

}  // namespace

bool canConvert(const char *fromCharset, const char *toCharset)
{
    return converter(fromCharset, toCharset) != kInvalid;
}

bool convert(const char *fromCharset, const char *toCharset, std::string_view text,
             CharacterLength lengthOf, char replacement, std::string &out)
{
    iconv_t cd = converter(fromCharset, toCharset);
    if (cd == kInvalid)
        return false;
    out.clear();
    char chunk[256];
    std::size_t pos = 0;
    while (pos < text.size()) {
        char *in = const_cast<char *>(text.data() + pos);
        std::size_t inLeft = text.size() - pos;
        char *outPtr = chunk;
        std::size_t outLeft = sizeof chunk;
        std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        int error = errno;
        out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
        pos = text.size() - inLeft;
        if (result != static_cast<std::size_t>(-1) || error == E2BIG)
            continue;
        if (error != EILSEQ && error != EINVAL)
            return false;
        out.push_back(replacement);
        std::size_t skip = lengthOf(text.substr(pos));
        pos += skip < 1 ? 1 : skip < text.size() - pos ? skip : text.size() - pos;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    // Flush any shift state the target needs at the end.
    char *outPtr = chunk;
    std::size_t outLeft = sizeof chunk;
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
    return true;
}

}  // namespace vks::detail::posix
