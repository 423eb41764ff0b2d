// TutProfileKeyList: the keys of one section, read once.
#pragma once

#include <memory>
#include <vector>

#include "afx.h"

#include "settings/profile_key.h"

// A snapshot: the key names are read by the constructor, in file order, and later changes to
// the file are not seen. Each key names the list's section and one name found in it.
class AFX_EXT_CLASS TutProfileKeyList {
public:
    // When memory runs out while the list is built, the framework's memory exception leaves
    // the constructor; nothing is kept.
    explicit TutProfileKeyList(TutProfileSection const &section);
    TutProfileKeyList(TutProfile const &profile, char const *section);
    TutProfileKeyList(TutProfileKeyList const &) = delete;
    TutProfileKeyList &operator=(TutProfileKeyList const &) = delete;
    ~TutProfileKeyList();

    int count() const;
    // The key at `index`, which must lie in 0 to count() - 1 (not checked).
    TutProfileKey &operator[](int index) const;
    TutProfileKey &at(int index) const;

    TutProfileSection const &section() const;

private:
    void readKeys();

    TutProfileSection m_section;
    std::vector<std::unique_ptr<TutProfileKey>> m_keys;
};
