// The tool's commands. Each returns the process's exit code.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "args.h"

namespace tool {

enum ExitCode {
    kDone = 0,
    kAbsent = 1,     // `profile get` of a key that is not there
    kUsage = 2,      // bad command line or bad value
    kFailed = 3,     // the operation could not be carried out (a file not written)
};

struct Command {
    const char *name;
    const char *synopsis;
    int (*run)(const Args &args, const std::vector<std::string> &words);
    void (*help)(FILE *out);
};

int runDirs(const Args &args, const std::vector<std::string> &words);
void helpDirs(FILE *out);
int runProfile(const Args &args, const std::vector<std::string> &words);
void helpProfile(FILE *out);
int runModem(const Args &args, const std::vector<std::string> &words);
void helpModem(FILE *out);
int runFormat(const Args &args, const std::vector<std::string> &words);
void helpFormat(FILE *out);
int runFiles(const Args &args, const std::vector<std::string> &words);
void helpFiles(FILE *out);
int runOs(const Args &args, const std::vector<std::string> &words);
void helpOs(FILE *out);
int runLog(const Args &args, const std::vector<std::string> &words);
void helpLog(FILE *out);
int runDemo(const Args &args, const std::vector<std::string> &words);
void helpDemo(FILE *out);

// Prints "vksutil: <message>" on standard error and returns kUsage.
int usageError(const std::string &message);

}  // namespace tool
