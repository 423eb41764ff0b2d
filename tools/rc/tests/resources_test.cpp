// String tables, menus, version records, bitmaps and icons, laid out as Windows lays them out.
#include "script_fixture.h"

#include <string>

namespace {

using rctest::compile;
using rctest::Layout;
using rctest::only;

constexpr std::uint16_t kBitmap = 2, kIcon = 3, kMenu = 4, kString = 6, kGroupIcon = 14,
                        kVersion = 16;

// A .bmp file: 14-byte file header, 40-byte info header, then `pixels` bytes.
std::string bmpFile(int width, int height, int bitCount, std::size_t pixels)
{
    std::string dib(40, '\0');
    auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            dib[at + i] = static_cast<char>(value >> (8 * i));
    };
    put32(0, 40);
    put32(4, static_cast<std::uint32_t>(width));
    put32(8, static_cast<std::uint32_t>(height));
    dib[12] = 1;
    dib[14] = static_cast<char>(bitCount);
    return "BM" + std::string(12, '\0') + dib + std::string(pixels, '\x5a');
}

// An .ico file of one 16x16 32-bit image, with the directory's planes and bit count as given.
std::string icoFile(std::uint16_t directoryPlanes, std::uint16_t directoryBits)
{
    Layout image;
    image.dword(40).dword(16).dword(32).word(1).word(32);
    image.bytes.resize(40 + 16 * 16 * 4 + 16 * 4, 0x11);
    Layout file;
    file.words({0, 1, 1}).byte(16).byte(16).byte(0).byte(0).word(directoryPlanes)
        .word(directoryBits).dword(static_cast<std::uint32_t>(image.bytes.size())).dword(22);
    file.bytes.insert(file.bytes.end(), image.bytes.begin(), image.bytes.end());
    return std::string(file.bytes.begin(), file.bytes.end());
}

TEST(StringTable, GathersStringsIntoBlocksOfSixteenPerLanguage)
{
    const auto resources = compile(
        "STRINGTABLE\nBEGIN\n  1 \"one\"\n  17, L\"x\"\nEND\n"
        "STRINGTABLE DISCARDABLE\nBEGIN\n  2 \"two\"\nEND\n"
        "LANGUAGE LANG_JAPANESE, SUBLANG_DEFAULT\n"
        "STRINGTABLE\nBEGIN\n  1 \"jp\"\nEND\n");
    ASSERT_EQ(3u, resources.size());
    Layout first;
    first.words({0, 3, 'o', 'n', 'e', 3, 't', 'w', 'o'});
    for (int i = 3; i < 16; ++i)
        first.word(0);
    EXPECT_EQ(vksrc::ResourceId::of(1), resources[0].name);
    EXPECT_EQ(0x0409, resources[0].language);
    EXPECT_EQ(first.bytes, resources[0].data);
    EXPECT_EQ(vksrc::ResourceId::of(2), resources[1].name);
    EXPECT_EQ(0x0411, resources[2].language);
}

TEST(MenuStatement, LaysOutMenuItemsWithTheirOptions)
{
    const auto bytes = only(compile(
        "10 MENU\nBEGIN\n"
        "  POPUP \"&File\"\n  BEGIN\n"
        "    MENUITEM \"&Open\\tCtrl+O\", 100\n"
        "    MENUITEM SEPARATOR\n"
        "    MENUITEM \"E&xit\", 101, GRAYED, CHECKED\n"
        "    POPUP \"Sub\", HELP\n    BEGIN\n      MENUITEM \"x\", 102, MENUBARBREAK\n    END\n"
        "  END\n"
        "  MENUITEM \"&Help\", 103, HELP INACTIVE MENUBREAK\n"
        "END\n"), kMenu);
    Layout expected;
    expected.words({0, 0});
    expected.word(0x10).text(u"&File");
    expected.words({0, 100}).text(u"&Open\tCtrl+O");
    expected.words({0, 0}).text(u"");
    expected.words({0x09, 101}).text(u"E&xit");
    expected.word(0x4090).text(u"Sub");
    expected.words({0xA0, 102}).text(u"x");
    expected.words({0x40C2, 103}).text(u"&Help");
    EXPECT_EQ(expected.bytes, bytes);
}

TEST(MenuStatement, LaysOutMenuExItemsAlignedWithTheirTypesAndStates)
{
    const auto bytes = only(compile(
        "11 MENUEX\nBEGIN\n"
        "  POPUP \"&File\", 200, MFT_STRING, MFS_ENABLED, 55\n  BEGIN\n"
        "    MENUITEM \"&Open\", 201\n"
        "    MENUITEM \"\", 0, MFT_SEPARATOR\n"
        "    MENUITEM \"Ch\", 202, MFT_RADIOCHECK, MFS_CHECKED\n"
        "  END\n"
        "  MENUITEM \"Last\", 203\n"
        "END\n"), kMenu);
    Layout expected;
    expected.words({1, 4}).dword(0);
    expected.dword(0).dword(0).dword(200).word(1).text(u"&File").align().dword(55);
    expected.dword(0).dword(0).dword(201).word(0).text(u"&Open").align();
    expected.dword(0x800).dword(0).dword(0).word(0).text(u"").align();
    expected.dword(0x200).dword(8).dword(202).word(0x80).text(u"Ch").align();
    expected.dword(0).dword(0).dword(203).word(0x80).text(u"Last").align();
    EXPECT_EQ(expected.bytes, bytes);
}

TEST(VersionInfo, LaysOutTheFixedPartAndTheBlocks)
{
    const auto bytes = only(compile(
        "1 VERSIONINFO\nFILEVERSION 1,2,3,4\nPRODUCTVERSION 1,2\nFILEFLAGSMASK VS_FFI_FILEFLAGSMASK\n"
        "FILEOS VOS_NT_WINDOWS32\nFILETYPE VFT_DLL\n"
        "BEGIN\n"
        "  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"040904b0\"\n    BEGIN\n"
        "      VALUE \"CompanyName\", \"Acme\"\n"
        "      VALUE \"FileVersion\", \"1.2\\0\"\n"
        "    END\n  END\n"
        "  BLOCK \"VarFileInfo\"\n  BEGIN\n    VALUE \"Translation\", 0x409, 1200\n  END\n"
        "END\n"), kVersion);
    Layout company;
    company.words({0x2A, 5, 1}).text(u"CompanyName").align().text(u"Acme");
    Layout fileVersion;
    fileVersion.words({0x28, 4, 1}).text(u"FileVersion").align().text(u"1.2");
    Layout language;
    language.words({24 + 44 + 40, 0, 1}).text(u"040904b0").align();
    Layout strings;
    strings.words({36 + 108, 0, 1}).text(u"StringFileInfo").align();
    Layout translation;
    translation.words({0x24, 4, 0}).text(u"Translation").align().words({0x409, 1200});
    Layout vars;
    vars.words({0x44, 0, 1}).text(u"VarFileInfo").align();

    Layout expected;
    expected.words({0, 52, 0}).text(u"VS_VERSION_INFO").align();
    for (std::uint32_t value : {0xFEEF04BDu, 0x00010000u, 0x00010002u, 0x00030004u, 0x00010002u,
                                0u, 0x3Fu, 0u, 0x40004u, 2u, 0u, 0u, 0u})
        expected.dword(value);
    for (const Layout *part : {&strings, &language, &company})
        expected.bytes.insert(expected.bytes.end(), part->bytes.begin(), part->bytes.end());
    expected.align();
    expected.bytes.insert(expected.bytes.end(), fileVersion.bytes.begin(), fileVersion.bytes.end());
    expected.align();
    expected.bytes.insert(expected.bytes.end(), vars.bytes.begin(), vars.bytes.end());
    expected.bytes.insert(expected.bytes.end(), translation.bytes.begin(), translation.bytes.end());
    expected.bytes[0] = static_cast<std::uint8_t>(expected.bytes.size());
    expected.bytes[1] = static_cast<std::uint8_t>(expected.bytes.size() >> 8);
    EXPECT_EQ(expected.bytes, bytes);
}

TEST(BitmapStatement, CarriesTheFileWithoutItsFileHeader)
{
    const std::string file = bmpFile(3, 2, 24, 24);  // two rows of 9 bytes padded to 12
    const auto bytes = only(compile("5 BITMAP \"art\\\\small.bmp\"\n", {{"art/small.bmp", file}}),
                            kBitmap);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 14, file.end()), bytes);
}

TEST(BitmapStatement, RefusesFilesThatAreNoWholeBitmap)
{
    const struct {
        const char *name;
        std::string file;
        const char *reason;
    } rows[] = {
        {"no signature", "XX" + bmpFile(1, 1, 24, 4).substr(2), "is no BMP file"},
        {"header larger than the file", "BM" + std::string(12, '\0') + "\xc8" + std::string(39, '\0'),
         "has a damaged bitmap header"},
        {"pixels cut short", bmpFile(4, 4, 24, 10), "is cut short: its header needs 102 bytes, the file holds 64"},
        {"a huge header", bmpFile(30000, 30000, 24, 10),
         "is cut short: its header needs 2700000054 bytes, the file holds 64"},
        {"no width", bmpFile(0, 4, 24, 10), "has a bitmap header that describes no image"},
        {"an odd depth", bmpFile(1, 1, 7, 10), "has a bitmap header that describes no image"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(std::string("main.rc:1: the bitmap 'b.bmp' ") + row.reason,
                  rctest::fault("1 BITMAP \"b.bmp\"\n", {{"b.bmp", row.file}}));
    }
}

TEST(IconStatement, SplitsTheFileIntoImagesAndAGroupThatNumbersThem)
{
    const std::string file = icoFile(0, 0);
    const auto resources = compile("APP ICON \"a.ico\"\n7 ICON \"a.ico\"\n", {{"a.ico", file}});
    ASSERT_EQ(4u, resources.size());
    EXPECT_EQ(vksrc::ResourceId::of(kIcon), resources[0].type);
    EXPECT_EQ(vksrc::ResourceId::of(1), resources[0].name);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 22, file.end()), resources[0].data);
    EXPECT_EQ(vksrc::ResourceId::of(kGroupIcon), resources[1].type);
    EXPECT_EQ(vksrc::ResourceId::named(u"APP"), resources[1].name);
    // The directory says 0 planes and 0 bits; the image's own header says 1 and 32.
    Layout group;
    group.words({0, 1, 1}).byte(16).byte(16).byte(0).byte(0).words({1, 32})
        .dword(static_cast<std::uint32_t>(file.size() - 22)).word(1);
    EXPECT_EQ(group.bytes, resources[1].data);
    EXPECT_EQ(vksrc::ResourceId::of(2), resources[2].name) << "the second statement's image";
}

}  // namespace
