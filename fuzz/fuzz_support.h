// What the fuzz targets share: stopping on a broken promise, texts as C strings carry them, and a
// private drive C.
#pragma once

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <stdlib.h>

#include "vkshost.h"

namespace fuzzsupport {

// A broken promise stops the run as a crash would, so the fuzzer keeps the input.
inline void require(bool promise)
{
    if (!promise)
        std::abort();
}

// Names and values as C strings carry them: up to the first NUL.
inline std::string cString(std::string text)
{
    text.resize(std::strlen(text.c_str()));
    return text;
}

// The host folder of a private drive C with its Windows directory, on a memory file system
// where there is one, mapped once for the whole run and removed at its end.
inline const std::string &driveC()
{
    // Never destroyed: the clean-up at exit runs after the statics are gone.
    static const std::string *root = [] {
        namespace fs = std::filesystem;
        std::string pattern = "/dev/shm/vksfuzz-XXXXXX";
        if (!fs::exists("/dev/shm"))
            pattern = (fs::temp_directory_path() / "vksfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        fs::create_directories(fs::path(pattern) / "WINDOWS");
        VksHostSetDrive('C', pattern.c_str());
        return new std::string(pattern);
    }();
    static const bool cleanUpAtExit = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(*root, ignored);
    }) == 0;
    (void)cleanUpAtExit;
    return *root;
}

}  // namespace fuzzsupport
