// The tool's command line: positional words, options with a value, and --help.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tool {

class Args {
public:
    // Options named in `valueOptions` ("--type") take the next word as their value; those named
    // in `flagOptions` ("--24h") take none.
    Args(int argc, char **argv, const std::vector<std::string> &valueOptions,
         const std::vector<std::string> &flagOptions = {});

    bool ok() const { return error_.empty(); }
    const std::string &error() const { return error_; }
    bool help() const { return help_; }
    bool version() const { return version_; }

    const std::vector<std::string> &words() const { return words_; }
    bool has(const std::string &option) const { return options_.count(option) != 0; }
    std::string option(const std::string &name, const std::string &fallback = {}) const;

    // The words after the first `n`, for a subcommand.
    std::vector<std::string> rest(size_t n) const;

private:
    std::vector<std::string> words_;
    std::map<std::string, std::string> options_;
    std::string error_;
    bool help_ = false;
    bool version_ = false;
};

}  // namespace tool
