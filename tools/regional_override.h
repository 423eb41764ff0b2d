// Regional settings changed for one run of the tool, without writing the user's win.ini.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tool {

// Moves drive C to a scratch folder that holds a copy of the drive's win.ini with the given
// [intl] keys set, and reloads the library's regional settings from it. The end of the object
// gives drive C back and removes the scratch folder. With no keys, drive C stays where it is
// and only the settings are reloaded.
class RegionalOverride {
public:
    using Keys = std::vector<std::pair<std::string, std::string>>;

    explicit RegionalOverride(const Keys &keys);
    ~RegionalOverride();
    RegionalOverride(const RegionalOverride &) = delete;
    RegionalOverride &operator=(const RegionalOverride &) = delete;

    // Empty when the override is in place, else why it is not.
    const std::string &error() const { return error_; }

private:
    bool moveDriveC();
    bool setKeys(const Keys &keys);

    std::filesystem::path scratch_;
    std::string driveC_;  // drive C's host folder before the move
    std::string error_;
};

}  // namespace tool
