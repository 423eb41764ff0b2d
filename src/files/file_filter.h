// TutFileFilter: which entries of a directory listing are shown or taken, by name pattern,
// attributes and date.
#pragma once

#include "afx.h"

#include "time/date.h"

// The user's pattern text (such as "*.txt; *.doc") is compiled once by setFilter; each entry is
// then tested on its attributes, its date and its name, in that order. Name tests ignore the case
// of single-byte letters.
//
// Compiled form: each pattern followed by the marker EOP ('"'), in the order given, upper-cased
// (double-byte characters stay as they are): "*.txt; *.doc" is *.TXT"*.DOC". Patterns are split
// at blanks, commas and semicolons; a quoted run keeps them ("\"my file.txt\"" is one pattern); a
// run of asterisks counts as one; a pattern that begins with a dot gets an asterisk in front
// (".txt" is "*.txt"); white space at a pattern's end and empty patterns are dropped. Two
// compiled forms accept every name: the empty text (no pattern was set) and EOP alone (the
// text held separators only, or was the one pattern *.*).
//
// In a pattern, '?' is any one byte, '*' any run of bytes, ".*" ends the pattern and accepts the
// name when it is at its end or at a dot (README.* accepts README and README.TXT, not READMEX);
// every other byte must equal the name's.
class AFX_EXT_CLASS TutFileFilter {
public:
    // "*.*".
    static char const *m_DefaultPattern;

    // Empty pattern, show hidden 0, both dates 0, include subdirectories 1, ignore date 1.
    TutFileFilter();
    // As constructing empty and calling setFilter with the same arguments.
    TutFileFilter(char const *pattern, int showHidden, TutDate startDate, TutDate endDate,
                  int includeSubdirs, int ignoreDate);
    TutFileFilter(TutFileFilter const &other);
    TutFileFilter &operator=(TutFileFilter const &other);
    ~TutFileFilter();

    // Stores the settings and compiles the pattern text. A null or empty text leaves both the
    // compiled and the user pattern empty. An unclosed quote runs to the end of the text.
    void setFilter(char const *pattern, int showHidden, TutDate startDate, TutDate endDate,
                   int includeSubdirs, int ignoreDate);
    // Compiled pattern empty, show hidden 0, dates 0, include subdirectories 1, ignore date 0;
    // the user pattern stays.
    void clear();

    // Each gives 1 or 0.
    // The name test: the first pattern that accepts the name (upper-cased, trailing white space
    // dropped) gives 1. A null name is tested as the empty name.
    int match(char const *name) const;
    // The attribute test: hidden or system entries fail unless show hidden is set; directories
    // fail unless include subdirectories is set.
    int match(DWORD attributes) const;
    // The date test: passes when ignore date is set, else when start <= date <= end, an end of 0
    // meaning no upper limit. Dates are compared as they are, without time-zone conversion.
    int match(TutDate const &date) const;
    // A directory passes at once, whatever its name and date; any other entry must pass the
    // attribute test, the date test on its creation time and the name test on cFileName.
    int match(WIN32_FIND_DATAA &entry) const;

    // The compiled pattern.
    char const *string() const;
    // The text given to setFilter, unchanged.
    char const *userString() const;
    int showHidden() const;
    int includeSubdirs() const;
    int ignoreDate() const;
    TutDate startDate() const;
    TutDate endDate() const;
    // The length of the compiled pattern: nonzero once a non-empty pattern text was set.
    int isOn() const;
    // Always 1.
    int isValid() const;

protected:
    // The end-of-pattern marker.
    static constexpr char EOP = '"';

    // 1 when the upper-cased name matches the one compiled pattern that starts at `pattern` and
    // ends at its marker.
    int matchPattern(char const *name, char const *pattern) const;

private:
    int m_bShowHidden;
    TutDate m_dateStart;
    TutDate m_dateEnd;
    int m_bIncludeSubdirs;
    int m_bIgnoreDate;
    CString m_strPattern;
    CString m_strUserPattern;
};
