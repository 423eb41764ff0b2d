// Fixtures of the settings suites: a scratch INI file, a pinned service state and a pinned
// override, each put back when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include "library_env.h"
#include "settings/profile.h"
#include "vksservc_host.h"

namespace settingstest {

// An INI file in a folder of its own under the suite's drive C, named by its DOS path
// ("C:\\settings-XXXXXX\\test.ini") and read and written on the host through plain streams. The
// folder goes when the object does.
class ScratchIni {
public:
    ScratchIni()
    {
        const std::filesystem::path root = vkstest::LibraryEnvironment::driveC().root();
        std::string pattern = (root / "settings-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder on drive C");
        folder_ = pattern;
        hostPath_ = (folder_ / "test.ini").string();
        path_ = "C:\\" + folder_.filename().string() + "\\test.ini";
    }
    ~ScratchIni()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchIni(const ScratchIni &) = delete;
    ScratchIni &operator=(const ScratchIni &) = delete;

    const char *path() const { return path_.c_str(); }
    TutProfile profile() const { return TutProfile(path()); }

    // The file's bytes; "" when it is missing.
    std::string text() const
    {
        std::ifstream in(hostPath_, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void setText(const std::string &bytes) const
    {
        std::ofstream(hostPath_, std::ios::binary | std::ios::trunc) << bytes;
    }
    void erase() const { std::filesystem::remove(hostPath_); }

private:
    std::filesystem::path folder_;
    std::string hostPath_;
    std::string path_;
};

// The stand-in's service state for the test's lifetime; a plain process afterwards.
class ScopedServiceState {
public:
    ScopedServiceState(BOOL isService, BOOL isLoggedOn)
    {
        VksServcSetServiceState(isService, isLoggedOn);
    }
    ~ScopedServiceState() { VksServcSetServiceState(FALSE, FALSE); }
};

// Installs an override for the test's lifetime and restores the one that was there.
class ScopedOverride {
public:
    explicit ScopedOverride(TutProfile *profile) : previous_(TutProfile::getOverride())
    {
        TutProfile::setOverride(profile);
    }
    ~ScopedOverride() { TutProfile::setOverride(previous_); }

private:
    TutProfile *previous_;
};

}  // namespace settingstest
