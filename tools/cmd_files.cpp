// vksutil files: which names a file filter's pattern text accepts.
#include <cstdio>

#include <vksutil/vksutil.h>

#include "commands.h"
#include "terminal.h"

namespace tool {

namespace {

bool ansiText(const std::string &typed, std::string &ansi)
{
    if (fromTerminal(typed, ansi))
        return true;
    usageError("'" + typed + "' has characters the code page cannot hold");
    return false;
}

int runMatch(const std::vector<std::string> &words)
{
    if (words.size() < 2)
        return usageError("usage: vksutil files match PATTERN NAME...");
    std::string pattern;
    if (!ansiText(words[0], pattern))
        return kUsage;
    // Names only: hidden files, directories and dates all pass.
    const TutFileFilter filter(pattern.c_str(), 1, TutDate(), TutDate(), 1, 1);
    std::printf("pattern   %s\ncompiled  %s\n", toTerminal(filter.userString()).c_str(),
                toTerminal(filter.string()).c_str());
    for (size_t i = 1; i < words.size(); ++i) {
        std::string name;
        if (!ansiText(words[i], name))
            return kUsage;
        std::printf("%-9s %s\n", filter.match(name.c_str()) ? "accepted" : "refused",
                    toTerminal(name).c_str());
    }
    return kDone;
}

}  // namespace

void helpFiles(FILE *out)
{
    std::fputs("usage: vksutil files match PATTERN NAME...\n\n"
               "Compiles PATTERN as the product's file filter does and tells, for each\n"
               "NAME, whether the filter accepts it. PATTERN is a list of names with the\n"
               "wildcards ? and *, separated by blanks, commas or semicolons (\"*.txt; *.doc\",\n"
               "\".txt,.doc\"); a quoted part keeps its blanks. Letter case is ignored.\n"
               "The compiled form ends each pattern with '\"'; '\"' alone accepts every name.\n",
               out);
}

int runFiles(const Args &, const std::vector<std::string> &words)
{
    if (words.empty() || words[0] != "match")
        return usageError("usage: vksutil files match PATTERN NAME...");
    return runMatch(std::vector<std::string>(words.begin() + 1, words.end()));
}

}  // namespace tool
