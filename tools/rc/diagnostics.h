// Where in a script something was found, and the fault the compiler reports there.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace vksrc {

// A file of the compilation (the script or a file it includes) and a line in it, from 1.
struct Location {
    std::shared_ptr<const std::string> file;
    int line = 0;

    const std::string &fileName() const
    {
        static const std::string kNone;
        return file ? *file : kNone;
    }
};

// A fault of a script: reported as "FILE:LINE: error: REASON".
class ScriptError : public std::runtime_error {
public:
    ScriptError(Location where, const std::string &reason)
        : std::runtime_error(reason), where_(std::move(where))
    {
    }
    const Location &where() const { return where_; }
    int line() const { return where_.line; }

private:
    Location where_;
};

}  // namespace vksrc
