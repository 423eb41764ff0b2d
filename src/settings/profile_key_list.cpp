#include "settings/profile_key_list.h"

#include <algorithm>
#include <new>
#include <string>

#include "settings/profile_road.h"

namespace {

constexpr DWORD kFirstSize = 512;
constexpr DWORD kGrowth = 1024;
constexpr DWORD kLargestSize = 0x7ffffc00;

// The size passed to the read stays 4 short of the buffer; a result within 4 of that size is
// taken as a cut list (the platform answers size - 2 when the names do not fit).
constexpr DWORD kReserve = 4;
constexpr DWORD kCutMargin = 8;

// The key names of a section, each zero-terminated, grown until the list is not cut.
std::vector<char> readNames(char const *section, char const *file, DWORD &length)
{
    std::vector<char> names(kFirstSize, '\0');
    for (;;) {
        length = vks::detail::profileGetString(section, nullptr, "", names.data(),
                                               static_cast<DWORD>(names.size()) - kReserve, file);
        const DWORD size = static_cast<DWORD>(names.size());
        if (length < size - kCutMargin || size >= kLargestSize)
            return names;
        names.assign(size + kGrowth, '\0');
    }
}

}  // namespace

TutProfileKeyList::TutProfileKeyList(TutProfileSection const &section) : m_section(section)
{
    readKeys();
}

TutProfileKeyList::TutProfileKeyList(TutProfile const &profile, char const *section)
    : m_section(profile, section)
{
    readKeys();
}

TutProfileKeyList::~TutProfileKeyList() = default;

// The framework reports memory exhaustion with its own exception; nothing of a half-built list
// is kept.
void TutProfileKeyList::readKeys()
{
    try {
        DWORD length = 0;
        const std::vector<char> names =
            readNames(m_section.name(), m_section.profile().name(), length);
        // The platform never answers more than it was given room for; the bound keeps a walk
        // inside the buffer whatever it answers.
        const std::size_t end = std::min<std::size_t>(length, names.size() - kReserve);
        for (std::size_t at = 0; at < end;) {
            char const *name = names.data() + at;
            m_keys.push_back(std::make_unique<TutProfileKey>(m_section, name));
            at += std::char_traits<char>::length(name) + 1;
        }
    } catch (std::bad_alloc const &) {
        m_keys.clear();
        m_keys.shrink_to_fit();
        AfxThrowMemoryException();
    }
}

int TutProfileKeyList::count() const
{
    return static_cast<int>(m_keys.size());
}

TutProfileKey &TutProfileKeyList::operator[](int index) const
{
    return *m_keys[static_cast<std::size_t>(index)];
}

TutProfileKey &TutProfileKeyList::at(int index) const
{
    return *m_keys[static_cast<std::size_t>(index)];
}

TutProfileSection const &TutProfileKeyList::section() const
{
    return m_section;
}
