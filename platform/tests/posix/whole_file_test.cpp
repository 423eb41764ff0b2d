// Whole-file writes onto a path that holds no regular file: a pipe (as a device would be) is
// written where it is and never replaced by a file.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "posix/whole_file_posix.h"
#include "windows.h"

namespace fs = std::filesystem;

namespace {

bool isPipe(const std::string &path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

TEST(WholeFile, APipeIsWrittenInPlaceAndStaysAPipe)
{
    std::string folder = (fs::temp_directory_path() / "vkswhole-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(folder.data()));
    const std::string pipe = folder + "/picture.svg";
    ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));

    DWORD error = 0;
    EXPECT_FALSE(vks::detail::writeWholeFile(pipe, "<svg/>", error)) << "nobody reads it";
    EXPECT_EQ(static_cast<DWORD>(ERROR_WRITE_FAULT), error);
    EXPECT_TRUE(isPipe(pipe));

    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(vks::detail::writeWholeFile(pipe, "<svg/>", error));
    char got[16] = {};
    EXPECT_EQ(6, read(reader, got, sizeof got));
    EXPECT_STREQ("<svg/>", got);
    close(reader);
    EXPECT_TRUE(isPipe(pipe));
    EXPECT_EQ(std::vector<fs::path>{pipe}, std::vector<fs::path>(fs::directory_iterator(folder), {}))
        << "no temporary file is left";
    fs::remove_all(folder);
}

}  // namespace
