// TutMakerList: the modem makers of the default modem profile, for a maker choice.
#pragma once

#include <vector>

#include "afx.h"

#include "util/tutstring.h"

// A snapshot of the keys of "Modem Makers" in the default modem profile, in file order, followed
// by one more entry: UserDefineModem when the user modem profile defines at least one modem,
// else the empty text. The list is read when it is built and by readList; later changes to the
// files are not seen. A section of any length is listed whole.
class AFX_EXT_CLASS TutMakerList {
public:
    // "ユーザー定義モデム" (user-defined modem) in code page 932: the maker under which the
    // user's own modem types appear, and the section of the user modem profile that lists them.
    static const char UserDefineModem[];
    // "標準のモデム" (standard modem) in code page 932.
    static const char GenericModem[];

    TutMakerList();
    TutMakerList(TutMakerList const &other) = default;
    TutMakerList &operator=(TutMakerList const &other) = default;
    ~TutMakerList();

    // Reads the list again. Throws CMemoryException* when memory runs out; the list is then
    // empty and not valid.
    void readList();

    // The number of entries, the last (user-defined) one included: at least 1 after reading.
    unsigned int makerCount() const;
    // The entry at `position`, from 0; a position at or past makerCount() gives the empty text.
    TutString at(unsigned int position) const;
    TutString operator[](unsigned int position) const;

    // 1 once the list has been read, else 0.
    int isValid() const;

private:
    std::vector<TutString> m_names;
    int m_bValid;
};
