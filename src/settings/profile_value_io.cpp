#include "settings/profile_value_io.h"

void TutProfileIOString::read(TutProfileKey const &key, CString &value,
                              CString const &defaultValue) const
{
    key.read(value, defaultValue);
}

void TutProfileIOString::write(TutProfileKey const &key, CString const &value) const
{
    key.write(static_cast<char const *>(value));
}

void TutProfileIOEncrypt::read(TutProfileKey const &key, CString &value,
                               CString const &defaultValue) const
{
    key.readEncrypt(value, defaultValue);
}

void TutProfileIOEncrypt::write(TutProfileKey const &key, CString const &value) const
{
    key.writeEncrypt(value);
}

void TutProfileIOBool::read(TutProfileKey const &key, int &value, int defaultValue) const
{
    key.readBool(value, defaultValue);
}

void TutProfileIOBool::write(TutProfileKey const &key, int value) const
{
    key.writeBool(value);
}

void TutProfileIODate::read(TutProfileKey const &key, TutDate &value,
                            TutDate const &defaultValue) const
{
    key.readDate(value, defaultValue);
}

void TutProfileIODate::write(TutProfileKey const &key, TutDate const &value) const
{
    key.writeDate(value);
}

void TutProfileIOInt::read(TutProfileKey const &key, int &value, int defaultValue) const
{
    key.read(value, defaultValue);
}

void TutProfileIOInt::write(TutProfileKey const &key, int value) const
{
    key.write(value);
}

void TutProfileIOLong::read(TutProfileKey const &key, long &value, long defaultValue) const
{
    key.read(value, defaultValue);
}

void TutProfileIOLong::write(TutProfileKey const &key, long value) const
{
    key.write(value);
}
