#include "vkstest.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <strings.h>
#include <unistd.h>

#include "vkshost.h"

namespace vkstest {

namespace fs = std::filesystem;

namespace {

fs::path makeTempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "vkstest-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary drive C");
    return pattern;
}

std::string hostPath(const std::string &relative)
{
    std::string path = relative;
    for (char &c : path)
        if (c == '\\')
            c = '/';
    return path;
}

}  // namespace

ScopedDriveC::ScopedDriveC() : root_(makeTempFolder())
{
    if (const char *env = std::getenv("VKS_DRIVE_C"))
        previous_ = env;
    fs::create_directories(root_ / "WINDOWS" / "SYSTEM");
    VksHostSetDrive('C', root_.c_str());
}

ScopedDriveC::~ScopedDriveC()
{
    VksHostSetDrive('C', previous_.empty() ? nullptr : previous_.c_str());
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

// Like the platform, an existing component is found whatever the letter case it is given in,
// so a test that writes "windows\\x.ini" reaches the drive's own C:\\WINDOWS.
fs::path ScopedDriveC::host(const std::string &relative) const
{
    fs::path path = root_;
    for (const fs::path &component : fs::path(hostPath(relative))) {
        fs::path next = path / component;
        std::error_code error;
        if (!fs::exists(next, error) && fs::is_directory(path, error)) {
            for (const fs::directory_entry &entry : fs::directory_iterator(path, error))
                if (strcasecmp(entry.path().filename().c_str(), component.c_str()) == 0) {
                    next = entry.path();
                    break;
                }
        }
        path = next;
    }
    return path;
}

void ScopedDriveC::write(const std::string &relative, const std::string &bytes) const
{
    fs::path path = host(relative);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ScopedDriveC::read(const std::string &relative) const
{
    std::ifstream in(host(relative), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ScopedTickCount::ScopedTickCount(DWORD ticks) { set(ticks); }
ScopedTickCount::~ScopedTickCount() { VksHostSetTickCount(nullptr); }
void ScopedTickCount::set(DWORD ticks) { VksHostSetTickCount(&ticks); }

ScopedLocalTime::ScopedLocalTime(const SYSTEMTIME &now) { VksHostSetLocalTime(&now); }
ScopedLocalTime::~ScopedLocalTime() { VksHostSetLocalTime(nullptr); }

ScopedTimeZoneBias::ScopedTimeZoneBias(LONG minutes) { VksHostSetTimeZoneBias(&minutes); }
ScopedTimeZoneBias::~ScopedTimeZoneBias() { VksHostSetTimeZoneBias(nullptr); }

ScopedCodePage::ScopedCodePage(UINT codePage) { VksHostSetCodePage(codePage); }
ScopedCodePage::~ScopedCodePage() { VksHostSetCodePage(932); }

}  // namespace vkstest
