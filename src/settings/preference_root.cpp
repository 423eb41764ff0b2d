// The application's root node: made on first use, deleted when the library unloads.
#include "settings/preference_base.h"

TutPreferenceBase *TutPreferenceBase::m_pprefApplication = nullptr;

TutPreferenceBase &TutPreferenceBase::application()
{
    if (!m_pprefApplication)
        m_pprefApplication = new TutPreferenceBase(nullptr);
    return *m_pprefApplication;
}

void TutPreferenceBase::cleanup()
{
    TutPreferenceBase *root = m_pprefApplication;
    m_pprefApplication = nullptr;
    delete root;
}

void vks::settings::releaseApplicationPreferences()
{
    TutPreferenceBase::cleanup();
}
