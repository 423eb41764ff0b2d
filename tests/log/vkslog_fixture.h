// A fixture of the event-log library suites: VKSLog.dll loaded by path from the application
// directory, as the library loads it, on a private drive C with the clock fixed and US English
// as the user's language; entries are bound by name.
#pragma once

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "library_env.h"
#include "vkshost.h"
#include "vkslog.h"
#include "vkstest.h"
#include "windows.h"

// A member bound to the library's entry of the same name.
#define VKS_ENTRY(name) decltype(&::name) name = reinterpret_cast<decltype(&::name)>(entry(#name))

class LoadedVkslog : public ::testing::Test {
protected:
    LoadedVkslog()
        : module_(LoadLibraryExA((applicationFolder() + "\\VKSLog.dll").c_str(), nullptr,
                                 LOAD_WITH_ALTERED_SEARCH_PATH))
    {
        VksHostSetLocalTime(&kNow);
        WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
        VksHostSetUserLanguage(&english);
    }
    ~LoadedVkslog() override
    {
        VksHostSetUserLanguage(nullptr);
        VksHostSetLocalTime(nullptr);
        FreeLibrary(module_);
    }

    // The application directory: where the test program, VKSLog.dll and VKSUTIL.DLL are.
    static std::string applicationFolder()
    {
        const std::string &program = vkstest::LibraryEnvironment::executableDosPath();
        return program.substr(0, program.find_last_of('\\'));
    }

    void *entry(const char *name)
    {
        return reinterpret_cast<void *>(GetProcAddress(module_, name));
    }

    // Installs `source` with its messages in `messageFile` and its day files `prefix`MMDD.LOG in
    // `logFolder`, ten of them kept, for errors, warnings and information.
    bool installSource(const char *source, const std::string &messageFile, const char *logFolder,
                       const char *prefix)
    {
        REGISTRYEVENTLOGCONFIG config{};
        config.dwMaxLogFiles = 10;
        config.dwTypesSupported = 7;
        std::snprintf(config.szMessageFile, sizeof config.szMessageFile, "%s",
                      messageFile.c_str());
        std::snprintf(config.szLogFolder, sizeof config.szLogFolder, "%s", logFolder);
        std::snprintf(config.szBackupFolder, sizeof config.szBackupFolder, "%s", logFolder);
        std::snprintf(config.szLogPrefix, sizeof config.szLogPrefix, "%s", prefix);
        auto install = reinterpret_cast<decltype(&::VKSInstallEventSourceConfig)>(
            entry("VKSInstallEventSourceConfig"));
        return install && install(nullptr, source, &config);
    }

    // 9 December 2026, 14:05:06: the day files end in 1209.
    static constexpr SYSTEMTIME kNow = {2026, 12, 3, 9, 14, 5, 6, 0};

    vkstest::ScopedDriveC drive_;
    HMODULE module_;
};
