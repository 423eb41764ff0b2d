// TutWinBuf and TutWinStream: an output stream whose lines go to the debugger.
#pragma once

#include <ostream>
#include <streambuf>

#include "afxdefs.h"

// An unbuffered stream buffer: every character written reaches overflow() at once and is added
// to one line buffer of 512 bytes that all TutWinBuf objects of the process share (without a
// lock: two threads writing at once interleave their characters). A line feed completes the
// line, which goes to OutputDebugStringA followed by a line feed and a carriage return, in that
// order. A line of more than 509 characters is sent in pieces of 509 as it grows, the last one
// with the line ending. Text without its line feed stays held, across objects, until a later
// line completes; the last unterminated line of the process is never sent.
class AFX_EXT_CLASS TutWinBuf : public std::streambuf {
public:
    TutWinBuf();
    TutWinBuf(TutWinBuf const &) = default;
    TutWinBuf &operator=(TutWinBuf const &) = default;
    ~TutWinBuf() override;

protected:
    // End of file changes nothing; any other character is added to the line. 1 (success) both
    // ways.
    int_type overflow(int_type ch) override;
    // There is no input side: always end of file.
    int_type underflow() override;

private:
    // Adds text[0] to the shared line; the count is always 1.
    static void OutputString(char const *text, int count);
};

// An ostream over its own TutWinBuf.
class AFX_EXT_CLASS TutWinStream : public std::ostream {
public:
    TutWinStream();
    ~TutWinStream() override;
    TutWinStream(TutWinStream const &) = delete;
    TutWinStream &operator=(TutWinStream const &) = delete;

    // "TutWinStream".
    static char const *nameOf();
    static char const className[];

private:
    TutWinBuf m_buf;
};
