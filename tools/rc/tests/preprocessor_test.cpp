// The preprocessor as scripts use it: headers with #define, conditionals, macros with
// arguments, # and ##, code pages; and texts with their escapes.
#include "script_fixture.h"

#include "unicode_text.h"

namespace {

using rctest::compile;
using rctest::only;

constexpr std::uint16_t kString = 6;

// The text of string `id` in the script's one string block.
std::u16string stringOf(const std::vector<vksrc::Resource> &resources, unsigned id)
{
    const std::vector<std::uint8_t> block = only(resources, kString);
    std::size_t at = 0;
    for (unsigned index = 0; index < 16 && at + 2 <= block.size(); ++index) {
        const std::size_t length = block[at] | block[at + 1] << 8;
        at += 2;
        std::u16string text;
        for (std::size_t i = 0; i < length && at + 2 <= block.size(); ++i, at += 2)
            text.push_back(static_cast<char16_t>(block[at] | block[at + 1] << 8));
        if (index == id % 16)
            return text;
    }
    return u"(missing)";
}

TEST(Preprocessor, CarriesOutTheDirectivesScriptsUse)
{
    const struct {
        const char *name;
        const char *lines;
        const char16_t *expected;  // string 1
    } rows[] = {
        {"object macro", "#define T \"yes\"\n1 T", u"yes"},
        {"#ifdef taken", "#define X\n#ifdef X\n1 \"yes\"\n#else\n1 \"no\"\n#endif", u"yes"},
        {"#ifndef taken", "#ifndef X\n1 \"yes\"\n#endif", u"yes"},
        {"#if with arithmetic", "#define V 3\n#if V * 2 + 1 == 7 && !defined(W)\n1 \"yes\"\n#endif", u"yes"},
        {"#elif", "#if 0\n1 \"a\"\n#elif 1\n1 \"yes\"\n#else\n1 \"c\"\n#endif", u"yes"},
        {"nested, outer false", "#if 0\n#if 1\n1 \"no\"\n#endif\n#else\n1 \"yes\"\n#endif", u"yes"},
        {"#undef", "#define X\n#undef X\n#ifdef X\n1 \"no\"\n#else\n1 \"yes\"\n#endif", u"yes"},
        {"function macro", "#define S(id, text) id, text\nS(1, \"yes\")", u"yes"},
        {"arguments over two lines", "#define S(id, text) id, text\nS(1,\n  \"yes\")", u"yes"},
        {"# makes a text", "#define Q(x) #x\n1 Q(y \"es\")", u"y \"es\""},
        {"## joins", "#define ID(n) ID_##n\n#define ID_ONE 1\nID(ONE) \"yes\"", u"yes"},
        {"no macro inside its own expansion", "#define A A\n#ifdef A\n1 \"yes\"\n#endif", u"yes"},
        {"variadic", "#define V(...) __VA_ARGS__\nV(1, \"yes\")", u"yes"},
        {"RC_INVOKED and _WIN32", "#if defined(RC_INVOKED) && defined _WIN32\n1 \"yes\"\n#endif", u"yes"},
        {"comments", "/* a\n b */ 1 // one\n \"yes\" /* x */", u"yes"},
        {"continued line", "1 \\\n\"yes\"", u"yes"},
        {"#pragma once header", "#include \"once.h\"\n#include \"once.h\"\n1 ONCE", u"yes"},
        {"known Windows header", "#include <windows.h>\n#include \"afxres.h\"\n1 \"yes\"", u"yes"},
        {"header directives only", "#include \"decl.h\"\n1 DECL", u"yes"},
        {"included text file", "#include \"strings.inc\"", u"yes"},
        {"#line and #pragma", "#line 5\n#pragma warning(disable: 4)\n1 \"yes\"", u"yes"},
    };
    const std::map<std::string, std::string> files = {
        {"once.h", "#pragma once\n#ifdef ONCE\n#error twice\n#endif\n#define ONCE \"yes\"\n"},
        {"decl.h", "int decl(void);\nstatic const char *x = \"it's\";\n#define DECL \"yes\"\n"},
        {"strings.inc", "1, \"yes\"\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string script = std::string("STRINGTABLE\nBEGIN\n") + row.lines + "\nEND\n";
        EXPECT_EQ(row.expected, stringOf(compile(script, files), 1));
    }
}

TEST(Preprocessor, FindsHeadersBesideTheIncluderThenInTheFolders)
{
    const auto resources = compile("#include \"sub/a.h\"\n#include <b.h>\nSTRINGTABLE\nBEGIN\n"
                                   "1 A\n2 B\nEND\n",
                                   {{"sub/a.h", "#include \"c.h\"\n#define A C\n"},
                                    {"sub/c.h", "#define C \"beside\"\n"},
                                    {"inc/b.h", "#define B \"in the folder\"\n"}},
                                   vksrc::CompileOptions{{"inc"}, {}});
    EXPECT_EQ(u"beside", stringOf(resources, 1));
    EXPECT_EQ(u"in the folder", stringOf(resources, 2));
}

TEST(Preprocessor, TakesDefinesFromTheCommandLine)
{
    const auto resources = compile("STRINGTABLE\nBEGIN\n1 NAME\n#ifdef FLAG\n2 \"flag\"\n#endif\nEND\n",
                                   {}, vksrc::CompileOptions{{}, {{"NAME", "\"given\""}, {"FLAG", "1"}}});
    EXPECT_EQ(u"given", stringOf(resources, 1));
    EXPECT_EQ(u"flag", stringOf(resources, 2));
}

TEST(Preprocessor, ReadsTextsInTheCodePageThePragmaNames)
{
    // 日本 in code page 932, then in UTF-8 again; a trail byte 0x5C (ソ) is no backslash.
    const std::string script = "#pragma code_page(932)\nSTRINGTABLE\nBEGIN\n"
                               "1 \"\x93\xfa\x96\x7b\"\n2 \"\x83\x5c\"\n"
                               "#pragma code_page(65001)\n3 \"\xe6\x97\xa5\"\nEND\n";
    const auto resources = compile(script);
    EXPECT_EQ(u"\u65e5\u672c", stringOf(resources, 1));
    EXPECT_EQ(u"\u30bd", stringOf(resources, 2));
    EXPECT_EQ(u"\u65e5", stringOf(resources, 3));
}

TEST(Preprocessor, SkipsAUtf8ByteOrderMark)
{
    EXPECT_EQ(u"yes", stringOf(compile("\xEF\xBB\xBFSTRINGTABLE\nBEGIN\n1 \"yes\"\nEND\n"), 1));
}

TEST(ScriptText, ReplacesEscapesAsWindowsCompilerDoes)
{
    const struct {
        const char *text;
        std::u16string expected;
    } rows[] = {
        {"\"plain\"", u"plain"},
        {"\"a\"\"b\"", u"a\"b"},
        {"\"\\n\\t\\r\\\\\\\"\"", u"\n\t\r\\\""},
        {"\"\\a\"", u"\b"},  // in a menu, \a right-aligns what follows
        {"\"\\x263A\"", u"\x26" u"3A"},  // two digits in a narrow text
        {"L\"\\x263A\"", u"\u263A"},       // four in a wide one
        {"\"\\101\\0z\"", std::u16string(u"A\0z", 3)},
        {"\"\\q\"", u"\\q"},  // an escape the language lacks stays as written
        {"\"two\" \" joined\"", u"two joined"},
        {"\"a\" L\"b\"", u"ab"},
        {"L\"\xc3\xa9\"", u"\u00e9"},
        {"\"\xf0\x9f\x98\x80\"", u"\U0001F600"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.expected, stringOf(compile(std::string("STRINGTABLE\nBEGIN\n1 ") + row.text +
                                                 "\nEND\n"),
                                         1));
    }
}

TEST(ScriptExpression, EvaluatesAsC)
{
    const struct {
        const char *expression;
        unsigned id;
    } rows[] = {
        {"10 - 2 * 3", 4},
        {"010", 8},
        {"0x10 | 1", 17},
        {"~0xFFF0 & 0xFF", 15},
        {"(1 + 2) * 3", 9},
        {"100 / 7", 14},
        {"7 % 4 + 40", 43},
        {"1L + 50", 51},
        {"3 ^ 1", 2},
        {"-(-5)", 5},
        {"IDOK + IDCANCEL", 3},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expression);
        const auto resources = compile(std::string("STRINGTABLE\nBEGIN\n") + row.expression +
                                       ", \"x\"\nEND\n");
        ASSERT_EQ(1u, resources.size());
        EXPECT_EQ(row.id / 16 + 1, resources[0].name.number);
        EXPECT_EQ(u"x", stringOf(resources, row.id));
    }
}

}  // namespace
