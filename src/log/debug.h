// TutDebug, TutStdDebug, HexDump and indent: the developers' trace, written to a file or to the
// debugger output.
#pragma once

#include <ostream>

#include "afxdefs.h"

// A trace context: an owned output stream and two switches. No operation is virtual.
class AFX_EXT_CLASS TutDebug {
public:
    // With a file name (a DOS path, or a host path beginning with '/'), the stream is a file
    // stream on that file, emptied when it exists; without one, a TutWinStream (the debugger
    // output). Memory tracing starts off.
    explicit TutDebug(char const *fileName = 0, int tracing = 1);
    // Flushes and deletes the stream.
    ~TutDebug();
    TutDebug(TutDebug const &) = delete;
    TutDebug &operator=(TutDebug const &) = delete;

    // "TutDebug".
    static char const *nameOf();

    // TRUE while the context has a stream, even one whose file could not be opened: writes to
    // such a stream are silently dropped.
    int isValid() const;
    std::ostream &stream();

    int isTracing() const;
    void setTracing(int on);
    int isMemTracing() const;
    // Turning memory tracing on while tracing is off first writes two warning lines; the switch
    // is set in every case.
    void setMemTracing(int on);

    // While tracing: "[file:line] ", then " {this = <object>} " for a non-null object, then the
    // message and a line end for a non-null message (no line end without one).
    void trace(char const *file, unsigned int line, void const *object, char const *message);
    // Formats with wvsprintfA (`arguments` points to a va_list) and writes the text, cut to 511
    // characters, with no line end added, whatever the tracing switch.
    void vprintf(char const *format, void const *arguments);
    // Four lines: the class name and address, the stream pointer and the two switches.
    void dump(std::ostream &out) const;

private:
    std::ostream *m_pStream;
    int m_bTracing;
    int m_bMemTracing;
};

// Static facade over the current trace context; at library start that is the library's own
// default context, which traces to the debugger output.
class AFX_EXT_CLASS TutStdDebug {
public:
    TutStdDebug &operator=(TutStdDebug const &) { return *this; }

    static std::ostream &stream();
    static int isTracing();
    static void setTracing(int on);
    static int isMemTracing();
    static void setMemTracing(int on);
    static void trace(char const *file, unsigned int line, void const *object,
                      char const *message);
    // The current context's vprintf, only while it is tracing.
    static void cTrace(char const *format, ...);
    // The current context's vprintf, whatever the switch.
    static void printf(char const *format, ...);

    static TutDebug *context();
    // Makes `context` current (null: the default context) and returns the one current before.
    // The caller keeps ownership of its contexts and must make another one current before it
    // destroys the current one.
    static TutDebug *setContext(TutDebug *context);

    static TutDebug *currContext;
};

// Writes `count` bytes in lines of 16: a tab, a blank, "buf[", the index in four hexadecimal
// digits, "] = ", then each byte in two lower-case hexadecimal digits and a blank. Leaves `out`
// in decimal with the fill character '0'. A null `bytes` writes nothing.
AFX_EXT_API void HexDump(std::ostream &out, unsigned char const *bytes, unsigned int count);

// The manipulator that indent() makes: four blanks per level, nothing for 0 or fewer levels.
struct TutIndent {
    int levels;
};
AFX_EXT_API TutIndent indent(int levels);
AFX_EXT_API std::ostream &operator<<(std::ostream &out, TutIndent const &manipulator);
