// A program that logs one header and one line through TutLogger, then prints what the logger
// answered: "open=<isOpen> view=<ViewEventLog()>". Built into a folder of its own, away from
// VKSLog.dll, it shows the logger of a process that cannot find the event-log library.
#include <cstdio>

#include "log/logger.h"

int main()
{
    int open = 0;
    unsigned long view = 0;
    {
        TutLogger logger;
        logger.WriteHeaderString();
        logger.WriteString("a line that goes nowhere");
        open = logger.isOpen();
        view = logger.ViewEventLog();
    }
    std::printf("open=%d view=%lu count=%d\n", open, view, TutLogger::g_nR3LReferenceCount);
    return 0;
}
