// TutStdDebug: the static facade over the current trace context, and the library's default
// context.
#include "log/debug.h"

#include <cstdarg>

namespace {

// Built at library start, before any caller can trace, and destroyed at unload.
TutDebug defaultContext;

}  // namespace

TutDebug *TutStdDebug::currContext = &defaultContext;

std::ostream &TutStdDebug::stream()
{
    return currContext->stream();
}

int TutStdDebug::isTracing()
{
    return currContext->isTracing();
}

void TutStdDebug::setTracing(int on)
{
    currContext->setTracing(on);
}

int TutStdDebug::isMemTracing()
{
    return currContext->isMemTracing();
}

void TutStdDebug::setMemTracing(int on)
{
    currContext->setMemTracing(on);
}

void TutStdDebug::trace(char const *file, unsigned int line, void const *object,
                        char const *message)
{
    currContext->trace(file, line, object, message);
}

void TutStdDebug::cTrace(char const *format, ...)
{
    if (!currContext->isTracing())
        return;
    va_list args;
    va_start(args, format);
    currContext->vprintf(format, &args);
    va_end(args);
}

void TutStdDebug::printf(char const *format, ...)
{
    va_list args;
    va_start(args, format);
    currContext->vprintf(format, &args);
    va_end(args);
}

TutDebug *TutStdDebug::context()
{
    return currContext;
}

TutDebug *TutStdDebug::setContext(TutDebug *context)
{
    TutDebug *previous = currContext;
    currContext = context ? context : &defaultContext;
    return previous;
}
