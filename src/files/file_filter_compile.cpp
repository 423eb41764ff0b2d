// Compiling the user's pattern text into the filter's normalised form.
#include "files/file_filter.h"

#include <string>
#include <string_view>

namespace {

constexpr char kMarker = '"';
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

bool isSeparator(char c)
{
    return c == ' ' || c == ',' || c == ';';
}

// The text as patterns, each followed by a marker: quoted runs copied as they stand, separators
// turned into markers, runs of asterisks cut to one.
std::string splitIntoPatterns(char const *text)
{
    std::string work;
    for (char const *p = text; *p;) {
        if (*p == kMarker) {
            for (++p; *p && *p != kMarker; ++p)
                work += *p;
            if (*p)
                ++p;
        } else if (isSeparator(*p)) {
            work += kMarker;
            ++p;
        } else if (*p == '*') {
            work += '*';
            while (*p == '*')
                ++p;
        } else {
            work += *p++;
        }
    }
    work += kMarker;
    return work;
}

// One pattern as it is kept, or "" when it is dropped.
std::string cleanPattern(std::string pattern)
{
    if (!pattern.empty() && pattern.front() == '.')
        pattern.insert(pattern.begin(), '*');
    const size_t end = pattern.find_last_not_of(kWhiteSpace);
    pattern.erase(end == std::string::npos ? 0 : end + 1);
    return pattern;
}

std::string compile(char const *text)
{
    const std::string work = splitIntoPatterns(text);
    std::string compiled;
    size_t start = 0;
    for (size_t marker = work.find(kMarker); marker != std::string::npos;
         start = marker + 1, marker = work.find(kMarker, start)) {
        const std::string pattern = cleanPattern(work.substr(start, marker - start));
        if (!pattern.empty())
            compiled += pattern + kMarker;
    }
    if (compiled.empty() || compiled == std::string("*.*") + kMarker)
        return std::string(1, kMarker);
    return compiled;
}

}  // namespace

void TutFileFilter::setFilter(char const *pattern, int showHidden, TutDate startDate,
                              TutDate endDate, int includeSubdirs, int ignoreDate)
{
    static_assert(EOP == kMarker);
    m_bShowHidden = showHidden;
    m_dateStart = startDate;
    m_dateEnd = endDate;
    m_bIncludeSubdirs = includeSubdirs;
    m_bIgnoreDate = ignoreDate;
    if (!pattern || !*pattern) {
        m_strPattern.Empty();
        m_strUserPattern.Empty();
        return;
    }
    m_strUserPattern = pattern;
    const std::string compiled = compile(pattern);
    m_strPattern = CString(compiled.data(), static_cast<int>(compiled.size()));
    m_strPattern.MakeUpper();
}
