#include "settings/profile.h"

#include "files/directories.h"

TutProfile *TutProfile::m_pprofWindows = nullptr;
TutProfile *TutProfile::m_pprofSystem = nullptr;
TutProfile *TutProfile::m_pprofCompany = nullptr;
TutProfile *TutProfile::m_pprofApplication = nullptr;
TutProfile *TutProfile::m_pprofDefaultModems = nullptr;
TutProfile *TutProfile::m_pprofUserModems = nullptr;
TutProfile *TutProfile::m_pprofOverride = nullptr;

namespace {

TutProfile const &wellKnown(TutProfile *&profile, char const *(*path)())
{
    if (!profile)
        profile = new TutProfile(path());
    return *profile;
}

void release(TutProfile *&profile)
{
    delete profile;
    profile = nullptr;
}

}  // namespace

TutProfile::TutProfile() = default;

TutProfile::TutProfile(char const *path) : m_strPath(path ? path : "") {}

TutProfile::TutProfile(TutProfile const &other) = default;

TutProfile &TutProfile::operator=(TutProfile const &other) = default;

TutProfile::~TutProfile() = default;

// The override's own path, not its name(): asking the override for its name() would come back
// here without end.
char const *TutProfile::name() const
{
    if (m_pprofOverride)
        return m_pprofOverride->m_strPath;
    return m_strPath;
}

void TutProfile::name(char const *path)
{
    m_strPath = path ? path : "";
}

TutProfile const &TutProfile::windows()
{
    return wellKnown(m_pprofWindows, TutFiles::winINIPath);
}

TutProfile const &TutProfile::system()
{
    return wellKnown(m_pprofSystem, TutFiles::systemINIPath);
}

TutProfile const &TutProfile::company()
{
    return wellKnown(m_pprofCompany, TutFiles::vksINIPath);
}

TutProfile const &TutProfile::application()
{
    return wellKnown(m_pprofApplication, TutFiles::vmwINIPath);
}

TutProfile const &TutProfile::defaultModems()
{
    return wellKnown(m_pprofDefaultModems, TutFiles::defaultModemPath);
}

TutProfile const &TutProfile::userModems()
{
    return wellKnown(m_pprofUserModems, TutFiles::userModemPath);
}

void TutProfile::setOverride(TutProfile *profile)
{
    m_pprofOverride = profile;
}

TutProfile *TutProfile::getOverride()
{
    return m_pprofOverride;
}

void TutProfile::Cleanup()
{
    release(m_pprofWindows);
    release(m_pprofSystem);
    release(m_pprofCompany);
    release(m_pprofApplication);
    release(m_pprofDefaultModems);
    release(m_pprofUserModems);
}
