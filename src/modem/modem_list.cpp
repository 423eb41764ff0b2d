#include "modem/modem_list.h"

#include <cstring>
#include <utility>

#include "modem/maker_list.h"
#include "modem/modem_profiles.h"
#include "settings/profile.h"
#include "settings/profile_key.h"

namespace {

constexpr char kNoModems[] = "ERROR - No Modem INI files present";

}  // namespace

TutModemList::TutModemList(TutString maker) : m_strMaker(std::move(maker)), m_bValid(0)
{
    readList();
}

TutModemList::~TutModemList() = default;

void TutModemList::readList()
{
    m_bValid = 0;
    m_names.clear();
    const bool userDefined = std::strcmp(m_strMaker, TutMakerList::UserDefineModem) == 0;
    std::vector<TutString> names =
        userDefined ? vks::detail::modemSectionNames(TutProfile::userModems(), m_strMaker)
                    : vks::detail::modemSectionNames(TutProfile::defaultModems(), m_strMaker);
    m_names.swap(names);
    m_bValid = m_names.empty() ? 0 : 1;
}

unsigned int TutModemList::modemCount() const
{
    return static_cast<unsigned int>(m_names.size());
}

TutString TutModemList::at(unsigned int position) const
{
    if (m_names.empty())
        return TutString(kNoModems);
    if (position >= m_names.size())
        return m_names.back();
    return m_names[position];
}

TutString TutModemList::operator[](unsigned int position) const
{
    return at(position);
}

int TutModemList::exists(char const *name) const
{
    unsigned int position = 0;
    return exists(name, position);
}

int TutModemList::exists(char const *name, unsigned int &position) const
{
    position = 0;
    if (!name)
        return 0;
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (std::strcmp(m_names[i], name) == 0) {
            position = static_cast<unsigned int>(i + 1);
            return 1;
        }
    }
    return 0;
}

void TutModemList::add(char const *name) const
{
    if (!vks::detail::isStorableModemName(name))
        return;
    TutProfileKey(TutProfile::userModems(), TutMakerList::UserDefineModem, name).write("");
}

// By name rather than by this list's position: the list may belong to another maker, or the
// section may have changed since it was read, and a position would then name another modem.
void TutModemList::remove(char const *name) const
{
    if (!exists(name))
        return;
    TutProfileKey(TutProfile::userModems(), TutMakerList::UserDefineModem, name).remove();
}

int TutModemList::isValid() const
{
    return m_bValid;
}
