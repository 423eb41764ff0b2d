// The one drive C that the library suite shares for its whole run.
#pragma once

#include <filesystem>
#include <string>

#include "vkstest.h"

namespace vkstest {

// Set up before the first test of the binary and removed after the last. Some library values
// are computed once per process (the product directories), so every test of the binary sees
// the same drive C, whatever order the tests run in. Within the run:
// - drive C is a fresh temporary folder with C:\WINDOWS and C:\WINDOWS\SYSTEM, and VKS_DRIVE_C
//   names it, so a test's own ScopedDriveC hands drive C back to it afterwards;
// - HOME is the empty folder C:\home and XDG_CONFIG_HOME and XDG_DATA_HOME are unset, so nothing
//   reads or writes the user's own folders;
// - VKS_OBJECT_FOLDER is C:\objects, so named mutexes meet only this run and its children.
// A test binary gets this environment by using one of these accessors.
class LibraryEnvironment {
public:
    static const ScopedDriveC &driveC();
    // HOME during the run.
    static const std::filesystem::path &home();
    // The running executable's DOS path as GetModuleFileNameA gave it at set-up.
    static const std::string &executableDosPath();
};

}  // namespace vkstest
