#include "settings/profile_section.h"

#include "settings/profile_road.h"

TutProfileSection::TutProfileSection() = default;

TutProfileSection::TutProfileSection(TutProfile const &profile, char const *name)
    : m_profile(profile), m_strName(name ? name : "")
{
}

TutProfileSection::TutProfileSection(TutProfileSection const &other) = default;

TutProfileSection &TutProfileSection::operator=(TutProfileSection const &other) = default;

TutProfileSection::~TutProfileSection() = default;

TutProfile &TutProfileSection::profile()
{
    return m_profile;
}

TutProfile const &TutProfileSection::profile() const
{
    return m_profile;
}

void TutProfileSection::profile(TutProfile const &profile)
{
    m_profile = profile;
}

char const *TutProfileSection::name() const
{
    return m_strName;
}

void TutProfileSection::name(char const *name)
{
    m_strName = name ? name : "";
}

int TutProfileSection::exists() const
{
    char names[528];
    const DWORD copied =
        vks::detail::profileGetString(name(), nullptr, "", names, 527, m_profile.name());
    return copied > 0 ? TRUE : FALSE;
}

void TutProfileSection::remove() const
{
    vks::detail::profileWriteString(name(), nullptr, nullptr, m_profile.name());
}

void TutProfileSection::Cleanup() {}
