// Fixtures of the modem suites: the two modem profiles of the suite's drive C, written from UTF-8
// text in the ANSI code page (932) and removed when the test ends.
#pragma once

#include <stdexcept>
#include <string>

#include "files/directories.h"
#include "library_env.h"
#include "vkstext.h"

namespace modemtest {

// UTF-8 text in the ANSI code page.
inline std::string ansi(const std::string &utf8)
{
    const int size = VksUtf8ToAnsi(utf8.c_str(), nullptr, 0);
    std::string text(static_cast<std::size_t>(size), '\0');
    VksUtf8ToAnsi(utf8.c_str(), text.data(), size);
    text.resize(static_cast<std::size_t>(size) - 1);
    return text;
}

// The default modem profile ("vksmodem.ini") and the user modem profile ("vksusrmd.ini") in the
// company directory. Both are missing when the object is made and gone again afterwards.
class ModemFiles {
public:
    ModemFiles()
        : defaults_(relative(TutFiles::defaultModemPath())),
          user_(relative(TutFiles::userModemPath()))
    {
        erase();
    }
    ~ModemFiles() { erase(); }
    ModemFiles(const ModemFiles &) = delete;
    ModemFiles &operator=(const ModemFiles &) = delete;

    // Each takes UTF-8 text and writes it in the ANSI code page.
    void setDefaults(const std::string &utf8) const { drive().write(defaults_, ansi(utf8)); }
    void setUser(const std::string &utf8) const { drive().write(user_, ansi(utf8)); }
    std::string userBytes() const { return drive().read(user_); }
    void eraseUser() const { std::filesystem::remove(drive().host(user_)); }

private:
    static const vkstest::ScopedDriveC &drive() { return vkstest::LibraryEnvironment::driveC(); }

    // "C:\\WINDOWS\\vks32\\x.ini" as the drive's relative path "WINDOWS\\vks32\\x.ini".
    static std::string relative(const std::string &dosPath)
    {
        if (dosPath.size() < 3 || (dosPath[0] != 'C' && dosPath[0] != 'c') ||
            dosPath.compare(1, 2, ":\\") != 0)
            throw std::runtime_error("the modem profiles are not on drive C: " + dosPath);
        return dosPath.substr(3);
    }

    void erase() const
    {
        std::filesystem::remove(drive().host(defaults_));
        std::filesystem::remove(drive().host(user_));
    }

    std::string defaults_;
    std::string user_;
};

}  // namespace modemtest
