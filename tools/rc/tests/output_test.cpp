// What the compiler writes: the .res image and the C++ source that carries it into a module.
#include "script_fixture.h"

#include "emit_source.h"
#include "res_file.h"

namespace {

using rctest::compile;

TEST(ResFile, WritesEachResourceWithItsHeaderAndReadsItBack)
{
    const auto resources = compile("LANGUAGE 0x11, 1\nabout DIALOGEX 0, 0, 9, 9\nBEGIN\nEND\n"
                                   "STRINGTABLE\nBEGIN\n1 \"x\"\nEND\n");
    const std::vector<std::uint8_t> image = vksrc::resFile(resources);
    rctest::Layout marker;
    marker.dword(0).dword(32).words({0xFFFF, 0, 0xFFFF, 0}).dword(0).words({0, 0}).dword(0).dword(0);
    ASSERT_GE(image.size(), 32u);
    EXPECT_EQ(marker.bytes, std::vector<std::uint8_t>(image.begin(), image.begin() + 32));
    const auto back = vksrc::readResFile(std::string_view(reinterpret_cast<const char *>(image.data()),
                                                          image.size()));
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(resources.size(), back->size());
    for (std::size_t i = 0; i < resources.size(); ++i) {
        EXPECT_EQ(resources[i].type, (*back)[i].type);
        EXPECT_EQ(resources[i].name, (*back)[i].name);
        EXPECT_EQ(0x0411, (*back)[i].language);
        EXPECT_EQ(resources[i].data, (*back)[i].data);
    }
    EXPECT_FALSE(vksrc::readResFile(std::string_view("\x10\0\0\0\x20\0\0\0", 8)).has_value());
}

TEST(ModuleSource, TakesTheImageInWholeAndClaimsEachResource)
{
    const auto resources = compile("300 DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n"
                                   "About DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n");
    const std::vector<std::uint8_t> image = vksrc::resFile(resources);
    const std::string source =
        vksrc::moduleSource(resources, image, "/build/my dir/x\"y\nz.res", "bad\nname\\.rc");
    // The image goes in through the assembler, every unusual byte of its path escaped.
    EXPECT_NE(std::string::npos,
              source.find(".incbin \\\"/build/my\\\\040dir/x\\\\042y\\\\012z.res\\\"\\n"));
    EXPECT_NE(std::string::npos, source.find("// Compiled by vksrc from bad?name?.rc: do not edit.\n"));
    EXPECT_NE(std::string::npos, source.find(std::to_string(image.size()) + "); }"));
    // Each resource claims a symbol named after its type, name and language, so two scripts
    // of one module with the same resource fail to link; "ABOUT" in hex: "about" is the same.
    EXPECT_NE(std::string::npos, source.find("extern const char vks_resource_dialog_300_0409 = 0;"));
    EXPECT_NE(std::string::npos,
              source.find("extern const char vks_resource_dialog_name_41424f5554_0409 = 0;"));
}

// A bitmap of 12.6 MB goes into the image as it is; the source that carries it stays small.
TEST(ModuleSource, StaysSmallForALargeBitmap)
{
    const std::uint32_t width = 2048, height = 2048, pixels = width * height * 3;
    rctest::Layout file;
    file.word(0x4D42).dword(54 + pixels).dword(0).dword(54);
    file.dword(40).dword(width).dword(height).word(1).word(24).dword(0).dword(pixels);
    file.dword(2835).dword(2835).dword(0).dword(0);
    file.bytes.resize(54 + pixels, 0x5A);
    const auto resources =
        compile("7 BITMAP \"big.bmp\"\n", {{"big.bmp", std::string(file.bytes.begin(), file.bytes.end())}});
    const std::vector<std::uint8_t> image = vksrc::resFile(resources);
    EXPECT_LT(40u + pixels, image.size());
    EXPECT_GT(4096u, vksrc::moduleSource(resources, image, "/build/big_rc.res", "big.rc").size());
}

}  // namespace
