// Faults of scripts: each reported at its file and line with its reason, and the limits that
// keep any script, however made, from exhausting the stack, memory or time.
#include "script_fixture.h"

#include <string>

namespace {

using rctest::fault;

std::string repeated(const std::string &text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text;
    return out;
}

TEST(ScriptFaults, NameTheFileTheLineAndTheReason)
{
    const struct {
        const char *script;
        const char *expected;
    } rows[] = {
        {"1 DIALOGEX 0, 0, 1\nBEGIN\nEND\n", "main.rc:2: expected ',' before the height"},
        {"1 DIALOGEX 0, 0, 1, 1\nSTYLE WS_BOGUS\nBEGIN\nEND\n", "main.rc:2: unknown name 'WS_BOGUS'"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  SLIDER 1, 0, 0, 1, 1\nEND\n",
         "main.rc:3: 'SLIDER' is no control statement"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  LTEXT \"open, 1, 0, 0, 1, 1\nEND\n",
         "main.rc:3: a text is not closed on its line"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  LTEXT \"x\", 1, 0, 0, 40000, 1\nEND\n",
         "main.rc:3: the width is beyond 16 bits"},
        {"1 DIALOGEX 0, 0, 1, 1\nBEGIN\n  PUSHBUTTON \"x\", 1, 0, 0, 1, 1\n",
         "main.rc:1: the dialog's BEGIN has no END"},
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\n  LTEXT \"x\", 70000, 0, 0, 1, 1\nEND\n",
         "main.rc:3: a DIALOG's control identifier is beyond 16 bits"},
        {"1 DIALOG 0, 0, 1, 1\nBEGIN\n  LTEXT \"x\", 1, 0, 0, 1, 1, 0, 0, 5\nEND\n",
         "main.rc:3: a DIALOG's control has no help identifier (DIALOGEX has)"},
        {"1 DIALOGEX 0, 0, 1, 1\nCAPTION \"a\\0b\"\nBEGIN\nEND\n",
         "main.rc:2: the caption cannot hold a NUL character"},
        {"1 DIALOGEX 0, 0, 1, 1\nSTYLE WS_POPUP | NOT NOT WS_BORDER\nBEGIN\nEND\n",
         "main.rc:2: NOT follows NOT in STYLE"},
        {"1 DIALOGEX NOT 1, 0, 1, 1\nBEGIN\nEND\n", "main.rc:1: NOT has no place in x"},
        {"#include \"missing.h\"\n", "main.rc:1: cannot find the included file 'missing.h'"},
        {"#include \"bad.inc\"\n", "bad.inc:2: unknown directive #frobnicate"},
        {"#ifdef X\n", "main.rc:1: #if without #endif"},
        {"#endif\n", "main.rc:1: #endif without #if"},
        {"#if 1\n#else\n#else\n#endif\n", "main.rc:3: #else after #else"},
        {"#if 1 / 0\n#endif\n", "main.rc:1: a division by zero in #if"},
        {"#if (1\n#endif\n", "main.rc:1: expected ')' in #if"},
        {"#error stop here\n", "main.rc:1: #error stop here"},
        {"#define F(a, b) a\nSTRINGTABLE\nBEGIN\nF(1) \"x\"\nEND\n",
         "main.rc:4: macro 'F' takes 2 arguments, not 1"},
        {"#define F(a) a\nSTRINGTABLE\nBEGIN\nF(1 \"x\"\nEND\n",
         "main.rc:4: the arguments of macro 'F' are not closed"},
        {"1 DIALOGEX 0, 0, 1, 1\n/* never closed\nBEGIN\n", "main.rc:3: a comment is not closed"},
        {"0 DIALOGEX 0, 0, 1, 1\nBEGIN\nEND\n",
         "main.rc:1: the resource's name must be a number from 1 to 65535 or a name"},
        {"1 ACCELERATORS\nBEGIN\nEND\n", "main.rc:1: resource type 'ACCELERATORS' is not supported"},
        {"1 DIALOGEX 0,0,1,1\nBEGIN\nEND\n1 DIALOG 0,0,1,1\nBEGIN\nEND\n",
         "main.rc:4: DIALOG 1 is defined twice (first at main.rc:1)"},
        {"STRINGTABLE\nBEGIN\n1 \"a\"\n1 \"b\"\nEND\n",
         "main.rc:4: string 1 is defined twice (first at main.rc:3)"},
        {"STRINGTABLE\nBEGIN\n70000 \"a\"\nEND\n", "main.rc:3: a string's identifier is beyond 16 bits"},
        {"1 MENU\nBEGIN\nEND\n", "main.rc:1: a menu needs at least one item"},
        {"1 MENU\nBEGIN\nPOPUP \"x\"\nBEGIN\nEND\nEND\n", "main.rc:3: a POPUP needs at least one item"},
        {"1 BITMAP \"missing.bmp\"\n", "main.rc:1: cannot find the bitmap 'missing.bmp'"},
        {"1 ICON \"cursor.ico\"\n", "main.rc:1: the icon 'cursor.ico' is a cursor, not an icon"},
        {"LANGUAGE 0x400, 1\n", "main.rc:1: LANGUAGE takes a language up to 0x3FF and a sublanguage up to 0x3F"},
        {"#pragma code_page(12345)\n", "main.rc:1: code page 12345 is not supported"},
        {"STRINGTABLE\nBEGIN\n1 \"\xff\"\nEND\n",
         "main.rc:3: the line is not valid UTF-8 (#pragma code_page names another code page)"},
        {"STRINGTABLE\nBEGIN\n1 \"\xc0\x80\"\nEND\n",
         "main.rc:3: the line is not valid UTF-8 (#pragma code_page names another code page)"},
        {"1 DIALOGEX 0,0,1,1\nBEGIN\n  LTEXT \"x\", 1, 0, 0, 1, 1 @\nEND\n",
         "main.rc:3: expected a control statement or END"},
        {"STRINGTABLE\nBEGIN\n1 \"x\" \x01\nEND\n", "main.rc:3: unexpected character 'byte 0x01'"},
    };
    const std::map<std::string, std::string> files = {
        {"bad.inc", "#define OK 1\n#frobnicate\n"},
        {"cursor.ico", std::string("\0\0\2\0\1\0", 6) + std::string(16, '\0')},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.script);
        EXPECT_EQ(row.expected, fault(row.script, files));
    }
    // A NUL byte in the text, raw.
    EXPECT_EQ("main.rc:3: a NUL byte in the text",
              fault(std::string("STRINGTABLE\nBEGIN\n1 \"a\0b\"\nEND\n", 26)));
}

// Every limit stops the compilation at once, with its reason, instead of overflowing the stack,
// running for minutes or growing without bound.
TEST(ScriptFaults, StopAtTheLimitsInsteadOfExhaustingTheMachine)
{
    std::string doubling;
    for (int i = 1; i <= 30; ++i)
        doubling += "#define A" + std::to_string(i) + " A" + std::to_string(i - 1) + " A" +
                    std::to_string(i - 1) + "\n";
    std::string deepIf;
    for (int i = 0; i < 300; ++i)
        deepIf += "#if 1\n";
    std::string nestedMenu = "1 MENU\nBEGIN\n" + repeated("POPUP \"p\"\nBEGIN\n", 300);
    const struct {
        const char *name;
        std::string script;
        std::map<std::string, std::string> files;
        const char *expected;
    } rows[] = {
        {"100000 parentheses", "STRINGTABLE\nBEGIN\n" + repeated("(", 100000) + "1",
         {}, "main.rc:3: an expression nests deeper than 256 levels"},
        {"100000 unary minus", "STRINGTABLE\nBEGIN\n" + repeated("-", 100000) + "1",
         {}, "main.rc:3: an expression nests deeper than 256 levels"},
        {"100000 NOT", "1 DIALOGEX 0,0,1,1\nSTYLE " + repeated("NOT ", 100000) + "1\n",
         {}, "main.rc:2: NOT follows NOT in STYLE"},
        {"100000 parentheses in #if", "#if " + repeated("(", 100000) + "1\n",
         {}, "main.rc:1: #if nests deeper than 256 levels"},
        {"100000 ! in #if", "#if " + repeated("!", 100000) + "1\n",
         {}, "main.rc:1: #if nests deeper than 256 levels"},
        {"300 nested #if", deepIf, {}, "main.rc:257: #if nests deeper than 256 levels"},
        {"macro arguments nested 100000 deep",
         "#define F(x) x\nSTRINGTABLE\nBEGIN\n" + repeated("F(", 100000) + "1" + repeated(")", 100000),
         {}, "main.rc:4: macro arguments are nested deeper than 256 levels"},
        {"30 doubling macros", doubling + "STRINGTABLE\nBEGIN\nA30\nEND\n",
         {}, "main.rc:33: the expansion of macro 'A30' goes past 65536 tokens"},
        {"menus nested 300 deep", nestedMenu, {}, "main.rc:515: menus nest deeper than 256 levels"},
        {"a header that includes itself", "#include \"self.h\"\n", {{"self.h", "#include \"self.h\"\n"}},
         "self.h:1: 'self.h' includes itself in a cycle"},
        {"a file larger than the limit", "#include \"big.h\"\n",
         {{"big.h", std::string((16u << 20) + 1, ' ')}}, "main.rc:1: 'big.h' is larger than 16 MiB"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, fault(row.script, row.files));
    }
}

}  // namespace
