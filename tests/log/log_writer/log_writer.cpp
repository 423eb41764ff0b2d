// A program that logs numbered lines through one TutLogger, as one of several processes that
// start logging at the same moment. usage: vks_log_writer NAME COUNT
// It starts when its standard input closes and logs "NAME line N" for N from 0 to COUNT - 1.
// Exit status: 0 when the log was open for every line, 3 when it could not be opened, 2 for a
// bad command line.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "log/logger.h"

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const int count = std::atoi(argv[2]);
    char go;
    while (std::fread(&go, 1, 1, stdin) == 1) {
    }
    TutLogger logger;
    if (!logger.isOpen())
        return 3;
    for (int i = 0; i < count; ++i) {
        std::string line = std::string(argv[1]) + " line " + std::to_string(i);
        logger.WriteString(line.c_str());
    }
    return 0;
}
