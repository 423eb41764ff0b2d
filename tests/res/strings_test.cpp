// The library's string table: the texts the library and the product load by number, delivered
// in the ANSI code page.
#include <gtest/gtest.h>

#include <string>

#include "product.h"
#include "util/startup.h"
#include "vkstest.h"

namespace {

std::string loadedThroughChain(UINT id)
{
    CString text;
    text.LoadString(id);
    return static_cast<const char *>(text);
}

std::string loadedFrom(HMODULE module, UINT id)
{
    char text[512] = "stale";
    int length = LoadStringA(module, id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

TEST(LibraryStrings, LoadThroughTheChainAsCodePage932)
{
    struct Row {
        const char *name;
        UINT id;
        const char *cp932;
    };
    const Row rows[] = {
        {"exception of the library", 8243,
         "$ProductName$ \x82\xC5\x83G\x83\x89\x81[\x82\xAA\x90\xB6\x82\xB6\x82\xDC\x82\xB5\x82\xBD"
         "\x81" "B"},
        {"task kind 2", 8275,
         "\x97v\x8B\x81\x82\xB3\x82\xEA\x82\xBD\x83t\x83H\x83\x8B\x83_\x82\xDC\x82\xBD\x82\xCD\x83t"
         "\x83@\x83" "C\x83\x8B\x82\xCD\x82\xB7\x82\xC5\x82\xC9\x8Eg\x97p\x92\x86\x82\xC5\x82\xB7"
         "\x81" "B"},
        {"fatal error, naming the product", 8287,
         "\x8F" "d\x91\xE5\x82\xC8\x83" "A\x83v\x83\x8A\x83P\x81[\x83V\x83\x87\x83\x93 \x83G"
         "\x83\x89\x81[\x82\xAA\x90\xB6\x82\xB6\x82\xDC\x82\xB5\x82\xBD\x81" "BVELMORA \x82\xF0"
         "\x8D\xC4\x8BN\x93\xAE\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81" "B"},
        {"dialog abort", 8292,
         "\x8C\xBB\x8D\xDD\x82\xCC\x83_\x83" "C\x83" "A\x83\x8D\x83O \x83{\x83" "b\x83N\x83X"
         "\x82\xF0\x95\xC2\x82\xB6\x82\xDC\x82\xB7..."},
        {"byte unit, no blank", 8293, "\x83o\x83" "C\x83g"},
        {"kilobyte unit, one blank", 8295, " KB"},
        {"number format", 8294, "%ld"},
        {"full-width colon between blanks", 8497, "   \x8A" "J\x8En\x8E\x9E\x8A\xD4\x81" "F  %s"},
        {"63 asterisks and a blank", 8493,
         "*************************************************************** "},
        {"documents folder", 8195, "My Documents"},
        {"close button", 8593, "\x95\xC2\x82\xB6\x82\xE9"},
        {"help button", 8594, "\x83w\x83\x8B\x83v"},
    };
    vkstest::ScopedCodePage codePage(932);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.cp932, loadedThroughChain(row.id));
        EXPECT_EQ(row.cp932, loadedFrom(utLibraryInstance(), row.id));
    }
}

TEST(LibraryStrings, ClassesWithoutTextOfTheirOwnShareTheGeneralOne)
{
    vkstest::ScopedCodePage codePage(932);
    const std::string general = loadedFrom(utLibraryInstance(), 8243);
    ASSERT_FALSE(general.empty());
    for (UINT id : {8249u, 8251u, 8257u, 8259u}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(general, loadedFrom(utLibraryInstance(), id));
    }
}

TEST(LibraryStrings, HoldEveryNumberTheLibraryUses)
{
    const UINT ids[] = {8195, 8243, 8245, 8247, 8249, 8251, 8253, 8255, 8257, 8259, 8261,
                        8273, 8274, 8275, 8276, 8283, 8284, 8285, 8286, 8287, 8292, 8293,
                        8294, 8295, 8296, 8297, 8298, 8299, 8300, 8493, 8495, 8497, 8498,
                        8499, 8501, 8503, 8593, 8594};
    for (UINT id : ids) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(loadedFrom(utLibraryInstance(), id).empty());
    }
}

TEST(LibraryStrings, LeaveTheProductAndCompanyNamesToTheProduct)
{
    struct Row {
        const char *name;
        UINT id;
        const char *productText;
    };
    const Row rows[] = {
        {"company name", 2451, "Orvalen Software"},
        {"product name", 2453, "VELMORA"},
    };
    HMODULE product = GetModuleHandleA("libproduct");
    ASSERT_NE(nullptr, product);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ("", loadedFrom(utLibraryInstance(), row.id));
        EXPECT_EQ(row.productText, loadedFrom(product, row.id));
    }
}

TEST(LibraryStrings, FollowTheCodePage)
{
    vkstest::ScopedCodePage utf8(65001);
    EXPECT_EQ("\xE3\x83\x98\xE3\x83\xAB\xE3\x83\x97", loadedThroughChain(8594));
}

}  // namespace
