#include "regional_override.h"

#include <cstdlib>
#include <system_error>

#include <vksutil/vksutil.h>

#include "vkshost.h"
#include "vkspath.h"

namespace tool {

namespace {

constexpr char kWinIniPath[] = "C:\\WINDOWS\\win.ini";

std::string hostPathOf(const char *dosPath)
{
    char host[4096];
    const DWORD length = VksHostPathOf(dosPath, host, sizeof host);
    return length > 0 && length < sizeof host ? std::string(host, length) : std::string();
}

}  // namespace

RegionalOverride::RegionalOverride(const Keys &keys)
{
    if (!keys.empty() && moveDriveC())
        setKeys(keys);
    // The library read win.ini when it was loaded, before --drive-c or the scratch drive.
    TutWinString::updateWinIniCache();
}

RegionalOverride::~RegionalOverride()
{
    if (scratch_.empty())
        return;
    // A default drive C that was never made is given back as the host's own.
    if (!VksHostSetDrive('C', driveC_.c_str()))
        VksHostSetDrive('C', nullptr);
    TutWinString::updateWinIniCache();
    std::error_code ignored;
    std::filesystem::remove_all(scratch_, ignored);
}

bool RegionalOverride::moveDriveC()
{
    driveC_ = hostPathOf("C:\\");
    const std::string winIni = hostPathOf(kWinIniPath);
    std::string pattern = (std::filesystem::temp_directory_path() / "vksutil-demo-XXXXXX").string();
    if (driveC_.empty() || !mkdtemp(pattern.data())) {
        error_ = "cannot make a scratch drive C for the regional settings";
        return false;
    }
    scratch_ = pattern;
    std::error_code failed;
    std::filesystem::create_directories(scratch_ / "WINDOWS", failed);
    if (!failed && std::filesystem::exists(winIni))
        std::filesystem::copy_file(winIni, scratch_ / "WINDOWS" / "win.ini", failed);
    if (failed || !VksHostSetDrive('C', scratch_.c_str())) {
        error_ = "cannot make a scratch drive C for the regional settings: " + failed.message();
        return false;
    }
    return true;
}

bool RegionalOverride::setKeys(const Keys &keys)
{
    for (const auto &[key, value] : keys) {
        if (!WritePrivateProfileStringA("intl", key.c_str(), value.c_str(), "win.ini")) {
            error_ = "cannot set " + key + " on the scratch drive C";
            return false;
        }
    }
    return true;
}

}  // namespace tool
