// TutFileFilter: the settings and the tests of one entry.
#include "files/file_filter.h"

#include <cstring>

namespace {

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

constexpr DWORD kHiddenOrSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

}  // namespace

char const *TutFileFilter::m_DefaultPattern = "*.*";

TutFileFilter::TutFileFilter()
    : m_bShowHidden(0), m_bIncludeSubdirs(1), m_bIgnoreDate(1)
{
}

TutFileFilter::TutFileFilter(char const *pattern, int showHidden, TutDate startDate,
                             TutDate endDate, int includeSubdirs, int ignoreDate)
    : TutFileFilter()
{
    setFilter(pattern, showHidden, startDate, endDate, includeSubdirs, ignoreDate);
}

TutFileFilter::TutFileFilter(TutFileFilter const &) = default;
TutFileFilter &TutFileFilter::operator=(TutFileFilter const &) = default;
TutFileFilter::~TutFileFilter() = default;

void TutFileFilter::clear()
{
    m_strPattern.Empty();
    m_bShowHidden = 0;
    m_dateStart = TutDate();
    m_dateEnd = TutDate();
    m_bIncludeSubdirs = 1;
    m_bIgnoreDate = 0;
}

int TutFileFilter::match(char const *name) const
{
    if (m_strPattern.GetLength() < 2)
        return 1;
    CString upper(name ? name : "");
    upper.MakeUpper();
    int length = upper.GetLength();
    while (length > 0 && isWhiteSpace(upper[length - 1]))
        --length;
    const CString trimmed(upper, length);

    for (char const *pattern = m_strPattern; *pattern;) {
        if (matchPattern(trimmed, pattern))
            return 1;
        char const *marker = std::strchr(pattern, EOP);
        if (!marker)
            break;
        pattern = marker + 1;
    }
    return 0;
}

// Walks name and pattern once, going back only to the latest asterisk: an earlier asterisk
// could only start the rest later in the name, where the latest one has already tried it. So a
// pattern with many asterisks costs no more than name length times pattern length, and the
// answers are those of trying the rest of the pattern after every asterisk at every position.
int TutFileFilter::matchPattern(char const *name, char const *pattern) const
{
    char const *afterStar = nullptr;
    char const *starName = nullptr;
    for (;;) {
        const char p = *pattern;
        if (p == '*' && pattern[1] != EOP) {
            afterStar = ++pattern;
            starName = name;
            continue;
        }
        if (p == '*')
            return 1;
        if (p == EOP || p == '\0') {
            if (*name == '\0')
                return 1;
        } else if (p == '.' && pattern[1] == '*') {
            if (*name == '\0' || *name == '.')
                return 1;
        } else if (*name != '\0' && (p == '?' || p == *name)) {
            ++pattern;
            ++name;
            continue;
        }
        if (!afterStar || *starName == '\0')
            return 0;
        pattern = afterStar;
        name = ++starName;
    }
}

int TutFileFilter::match(DWORD attributes) const
{
    if ((attributes & kHiddenOrSystem) && !m_bShowHidden)
        return 0;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !m_bIncludeSubdirs)
        return 0;
    return 1;
}

int TutFileFilter::match(TutDate const &date) const
{
    if (m_bIgnoreDate)
        return 1;
    const TutDate upperLimit = m_dateEnd == TutDate() ? TutDate::Max() : m_dateEnd;
    return m_dateStart <= date && date <= upperLimit;
}

int TutFileFilter::match(WIN32_FIND_DATAA &entry) const
{
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return 1;
    // The name field may lack its NUL: read no further than the field.
    const CString name(entry.cFileName, static_cast<int>(sizeof entry.cFileName));
    return match(entry.dwFileAttributes) &&
           match(TutDate(entry.ftCreationTime)) && match(static_cast<char const *>(name));
}

char const *TutFileFilter::string() const { return m_strPattern; }
char const *TutFileFilter::userString() const { return m_strUserPattern; }
int TutFileFilter::showHidden() const { return m_bShowHidden; }
int TutFileFilter::includeSubdirs() const { return m_bIncludeSubdirs; }
int TutFileFilter::ignoreDate() const { return m_bIgnoreDate; }
TutDate TutFileFilter::startDate() const { return m_dateStart; }
TutDate TutFileFilter::endDate() const { return m_dateEnd; }
int TutFileFilter::isOn() const { return m_strPattern.GetLength(); }
int TutFileFilter::isValid() const { return 1; }
