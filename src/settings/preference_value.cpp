#include "settings/preference_value.h"

template class TutProfilePreference<TutProfileIOInt, int>;
template class TutProfilePreference<TutProfileIOLong, long>;
