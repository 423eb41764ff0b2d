#include "modem/maker_list.h"

#include <new>

#include "modem/modem_profiles.h"
#include "settings/profile.h"

namespace {

constexpr char kMakersSection[] = "Modem Makers";

}  // namespace

// "ユーザー定義モデム"
const char TutMakerList::UserDefineModem[] =
    "\x83\x86\x81\x5b\x83\x55\x81\x5b\x92\xe8\x8b\x60\x83\x82\x83\x66\x83\x80";
// "標準のモデム"
const char TutMakerList::GenericModem[] = "\x95\x57\x8f\x80\x82\xcc\x83\x82\x83\x66\x83\x80";

TutMakerList::TutMakerList() : m_bValid(0)
{
    readList();
}

TutMakerList::~TutMakerList() = default;

void TutMakerList::readList()
{
    m_bValid = 0;
    m_names.clear();
    std::vector<TutString> names =
        vks::detail::modemSectionNames(TutProfile::defaultModems(), kMakersSection);
    const bool userDefined =
        !vks::detail::modemSectionNames(TutProfile::userModems(), UserDefineModem).empty();
    // The last entry is set on every reading, so that a list read again after the user's modems
    // are gone does not keep showing the user-defined maker.
    try {
        names.emplace_back(userDefined ? UserDefineModem : "");
    } catch (std::bad_alloc const &) {
        AfxThrowMemoryException();
    }
    m_names.swap(names);
    m_bValid = 1;
}

unsigned int TutMakerList::makerCount() const
{
    return static_cast<unsigned int>(m_names.size());
}

TutString TutMakerList::at(unsigned int position) const
{
    if (position >= m_names.size())
        return TutString();
    return m_names[position];
}

TutString TutMakerList::operator[](unsigned int position) const
{
    return at(position);
}

int TutMakerList::isValid() const
{
    return m_bValid;
}
