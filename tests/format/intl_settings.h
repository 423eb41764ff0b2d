// A fixture of the format suites: regional settings written to the suite's win.ini.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "format/win_string.h"
#include "library_env.h"

namespace formattest {

// Writes an "intl" section holding `lines` ("key=value" each) to win.ini on the suite's drive C
// and reloads the cache; when it ends, win.ini goes and the cache holds the defaults again.
class IntlSettings {
public:
    explicit IntlSettings(const std::vector<std::string> &lines = {}) { write(lines); }
    ~IntlSettings()
    {
        std::error_code ignored;
        std::filesystem::remove(vkstest::LibraryEnvironment::driveC().host(kWinIni), ignored);
        TutWinString::updateWinIniCache();
    }
    IntlSettings(const IntlSettings &) = delete;
    IntlSettings &operator=(const IntlSettings &) = delete;

    // Replaces the section on disk only; the cache changes at the next updateWinIniCache().
    void rewrite(const std::vector<std::string> &lines) const
    {
        std::string text = "[windows]\r\nload=\r\n\r\n[intl]\r\n";
        for (const std::string &line : lines)
            text += line + "\r\n";
        vkstest::LibraryEnvironment::driveC().write(kWinIni, text);
    }

private:
    static constexpr const char *kWinIni = "WINDOWS\\win.ini";

    void write(const std::vector<std::string> &lines) const
    {
        rewrite(lines);
        TutWinString::updateWinIniCache();
    }
};

}  // namespace formattest
