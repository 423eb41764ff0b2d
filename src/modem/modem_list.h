// TutModemList: the modem types of one maker, with the adding and removing of user-defined
// modems.
#pragma once

#include <vector>

#include "afx.h"

#include "util/tutstring.h"

// A snapshot of one maker's modem types, in file order: the keys of the section named after the
// maker in the default modem profile, or, for TutMakerList::UserDefineModem, the keys of that
// section in the user modem profile. The list is read when it is built and by readList; add and
// remove change the user modem profile only, never the list in memory. A section of any length
// is listed whole.
class AFX_EXT_CLASS TutModemList {
public:
    explicit TutModemList(TutString maker);
    TutModemList(TutModemList const &other) = default;
    TutModemList &operator=(TutModemList const &other) = default;
    ~TutModemList();

    // Reads the list again. Throws CMemoryException* when memory runs out; the list is then
    // empty and not valid.
    void readList();

    unsigned int modemCount() const;
    // The name at `position`, from 0; a position at or past the end gives the last name. With no
    // names at all, the text "ERROR - No Modem INI files present".
    TutString at(unsigned int position) const;
    TutString operator[](unsigned int position) const;

    // 1 when a name of the list equals `name` byte for byte (case counts), else 0; null gives 0.
    int exists(char const *name) const;
    // The same; `position` receives the first match's position counted from 1 (the name is
    // at(position - 1)), or 0 when there is none.
    int exists(char const *name, unsigned int &position) const;

    // Defines a user modem: a key `name` with an empty value in the section UserDefineModem of
    // the user modem profile. A name that could not come back as the same key is not written:
    // an empty one, one with a control character or '=', one that begins with '[' or ';', or one
    // with blanks or tabs at either end.
    void add(char const *name) const;
    // When this list holds `name`, removes the key of that name from the section UserDefineModem
    // of the user modem profile (the type's own settings stay). A name the list does not hold
    // changes nothing.
    void remove(char const *name) const;

    // 1 when the last reading found at least one name, else 0.
    int isValid() const;

private:
    std::vector<TutString> m_names;
    TutString m_strMaker;
    int m_bValid;
};
