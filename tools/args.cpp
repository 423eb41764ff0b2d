#include "args.h"

#include <algorithm>
#include <cctype>

namespace tool {

Args::Args(int argc, char **argv, const std::vector<std::string> &valueOptions,
           const std::vector<std::string> &flagOptions)
{
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            words_.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            help_ = true;
        } else if (word == "--version") {
            version_ = true;
        } else if (std::find(valueOptions.begin(), valueOptions.end(), word) != valueOptions.end()) {
            if (i + 1 >= argc) {
                error_ = word + " needs a value";
                return;
            }
            options_[word] = argv[++i];
        } else if (std::find(flagOptions.begin(), flagOptions.end(), word) != flagOptions.end()) {
            options_[word] = "";
        } else if (word.size() > 1 && (std::isdigit(static_cast<unsigned char>(word[1])))) {
            words_.push_back(word);  // a negative number
        } else {
            error_ = "unknown option " + word;
            return;
        }
    }
}

std::string Args::option(const std::string &name, const std::string &fallback) const
{
    auto found = options_.find(name);
    return found == options_.end() ? fallback : found->second;
}

std::vector<std::string> Args::rest(size_t n) const
{
    if (n >= words_.size())
        return {};
    return {words_.begin() + static_cast<std::ptrdiff_t>(n), words_.end()};
}

}  // namespace tool
