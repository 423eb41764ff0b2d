// Bitmaps loaded from a module's RT_BITMAP resources, which the resource compiler's BITMAP
// statement carries from .bmp files.
#include <gtest/gtest.h>

#include "windows.h"

namespace {

// The identifiers of resources/bitmaps.rc.
constexpr int kStrip24 = 200, kStrip8 = 201, kStrip4 = 202, kTruncated = 203;

HINSTANCE program()
{
    return GetModuleHandleA(nullptr);
}

TEST(LoadBitmap, ReadsEveryDepthWithItsSize)
{
    const struct {
        int id;
        LONG width, height;
        WORD bits;
    } rows[] = {
        {kStrip24, 32, 6, 24},
        {kStrip8, 15, 4, 8},
        {kStrip4, 6, 2, 4},  // stored from the top
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.id);
        const HBITMAP bitmap = LoadBitmapA(program(), MAKEINTRESOURCEA(row.id));
        ASSERT_NE(nullptr, bitmap);
        BITMAP shape{};
        ASSERT_EQ(static_cast<int>(sizeof shape), GetObjectA(bitmap, sizeof shape, &shape));
        EXPECT_EQ(row.width, shape.bmWidth);
        EXPECT_EQ(row.height, shape.bmHeight);
        EXPECT_EQ(row.bits, shape.bmBitsPixel);
        EXPECT_EQ(1, shape.bmPlanes);
        // Rows of whole 16-bit words.
        EXPECT_EQ((row.width * row.bits + 15) / 16 * 2, shape.bmWidthBytes);
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST(LoadBitmap, FailsCleanlyForMissingOrDamagedBitmaps)
{
    const struct {
        const char *name;
        HINSTANCE module;
        LPCSTR bitmap;
        DWORD error;
    } rows[] = {
        {"no such resource", program(), MAKEINTRESOURCEA(999), ERROR_RESOURCE_NAME_NOT_FOUND},
        {"pixels cut short", program(), MAKEINTRESOURCEA(kTruncated), ERROR_INVALID_DATA},
        {"system bitmaps", nullptr, MAKEINTRESOURCEA(32754), ERROR_RESOURCE_NAME_NOT_FOUND},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(nullptr, LoadBitmapA(row.module, row.bitmap));
        EXPECT_EQ(row.error, GetLastError());
    }
}

}  // namespace

#include "gdi32/gdi_objects.h"

namespace {

// The decoded pixels, read through the platform's own record of the bitmap.
TEST(LoadBitmap, GivesEachPixelItsColourTopRowFirst)
{
    const struct {
        int id;
        int x, y;
        COLORREF colour;
    } rows[] = {
        {kStrip24, 0, 0, RGB(255, 0, 255)},  {kStrip24, 1, 0, RGB(255, 0, 0)},
        {kStrip24, 8, 0, RGB(255, 0, 255)},  {kStrip24, 9, 5, RGB(0, 255, 0)},
        {kStrip24, 31, 5, RGB(255, 255, 0)}, {kStrip8, 0, 0, RGB(70, 80, 90)},
        {kStrip8, 0, 3, RGB(10, 20, 30)},    {kStrip8, 7, 1, RGB(40, 50, 60)},
        {kStrip8, 14, 3, RGB(70, 80, 90)},   {kStrip4, 0, 0, RGB(0, 0, 0)},
        {kStrip4, 5, 0, RGB(80, 0, 0)},      {kStrip4, 5, 1, RGB(96, 0, 0)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(::testing::Message() << row.id << " at " << row.x << "," << row.y);
        const HBITMAP handle = LoadBitmapA(program(), MAKEINTRESOURCEA(row.id));
        const auto bitmap = vks::detail::bitmapOf(handle);
        ASSERT_TRUE(bitmap.has_value());
        EXPECT_EQ(row.colour, bitmap->at(row.x, row.y));
        DeleteObject(handle);
    }
}

}  // namespace

#include <cstdint>
#include <string>

#include "gdi32/dib.h"

namespace {

// A BITMAPINFOHEADER with the fields the reader looks at, then `tail` (palette and pixels).
std::string dibHeader(std::int32_t width, std::int32_t height, std::uint16_t bits,
                      std::uint32_t compression = 0, std::uint32_t coloursUsed = 0)
{
    std::string bytes(40, '\0');
    auto put = [&](size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    put(0, 40, 4);
    put(4, static_cast<std::uint32_t>(width), 4);
    put(8, static_cast<std::uint32_t>(height), 4);
    put(12, 1, 2);
    put(14, bits, 2);
    put(16, compression, 4);
    put(32, coloursUsed, 4);
    return bytes;
}

TEST(DeviceIndependentBitmap, RefusesHeadersItCannotTrust)
{
    const struct {
        const char *name;
        std::string bytes;
    } rows[] = {
        {"empty", ""},
        {"header cut short", dibHeader(1, 1, 24).substr(0, 20)},
        {"run-length compressed", dibHeader(2, 2, 8, 1) + std::string(1024 + 8, '\0')},
        {"16 bits per pixel", dibHeader(2, 2, 16) + std::string(16, '\0')},
        {"no width", dibHeader(0, 2, 24) + std::string(16, '\0')},
        {"no height", dibHeader(2, 0, 24)},
        {"beyond any sensible size", dibHeader(100000, 100000, 24) + std::string(64, '\0')},
        {"palette larger than 256", dibHeader(1, 1, 8, 0, 257) + std::string(2000, '\0')},
        {"palette past the end", dibHeader(1, 1, 8) + std::string(100, '\0')},
        {"one row short", dibHeader(3, 2, 24) + std::string(12, '\0')},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(vks::detail::readDib(reinterpret_cast<const unsigned char *>(row.bytes.data()),
                                          row.bytes.size())
                         .has_value());
    }
}

TEST(DeviceIndependentBitmap, ReadsOneBitRowsAndPadsToFourBytes)
{
    // Two colours, 9 pixels a row (two bytes, padded to four), rows stored from the bottom.
    std::string bytes = dibHeader(9, 2, 1, 0, 2);
    bytes += std::string("\x00\x00\x00\x00", 4) + std::string("\xff\xff\xff\x00", 4);
    bytes += std::string("\x80\x80\x00\x00", 4);  // bottom row: pixels 0 and 8 set
    bytes += std::string("\x7f\x00\x00\x00", 4);  // top row: pixels 1 to 7 set
    const auto bitmap =
        vks::detail::readDib(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(RGB(0, 0, 0), bitmap->at(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), bitmap->at(1, 0));
    EXPECT_EQ(RGB(0, 0, 0), bitmap->at(8, 0));
    EXPECT_EQ(RGB(255, 255, 255), bitmap->at(0, 1));
    EXPECT_EQ(RGB(255, 255, 255), bitmap->at(8, 1));
    EXPECT_EQ(RGB(0, 0, 0), bitmap->at(4, 1));
}

}  // namespace
