// assets/app.ico, the icon the Windows resources embed, read as Windows reads
// it: the icon directory, one entry per image, and per image a
// BITMAPINFOHEADER, the palette, the 8-bit pixels and the 1-bit mask, all
// little-endian. The heights in the bitmap headers count both the pixels and
// the mask, so they are twice the image's height.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef CHENGXI_APP_ICO_PATH
#error "CHENGXI_APP_ICO_PATH must name assets/app.ico"
#endif

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;

// Rows of a device-independent bitmap are padded to whole 32-bit words.
std::uint32_t rowBytes(std::uint32_t width, std::uint32_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

struct Entry {
    std::uint32_t width;  // 0 in the file means 256
    std::uint32_t height;
    std::uint32_t colorCount;
    std::uint32_t reserved;
    std::uint32_t planes;
    std::uint32_t bitCount;
    std::uint32_t bytesInRes;
    std::uint32_t imageOffset;
};

struct BitmapHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint32_t planes;
    std::uint32_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::uint32_t colorsUsed;
};

class AppIcon : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::ifstream in(CHENGXI_APP_ICO_PATH, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void SetUp() override
    {
        ASSERT_GE(bytes_.size(), kDirectorySize + 2 * kEntrySize) << "cannot read " << CHENGXI_APP_ICO_PATH;
    }

    // Reads past the end throw, which fails the test that made them.
    static std::uint32_t u8(std::size_t at) { return static_cast<unsigned char>(bytes_.at(at)); }
    static std::uint32_t u16(std::size_t at) { return u8(at) | u8(at + 1) << 8; }
    static std::uint32_t u32(std::size_t at) { return u16(at) | u16(at + 2) << 16; }

    static std::uint32_t fileSize() { return static_cast<std::uint32_t>(bytes_.size()); }
    static std::uint32_t imageCount() { return u16(4); }

    static Entry entry(std::uint32_t index)
    {
        const std::size_t at = kDirectorySize + std::size_t{index} * kEntrySize;
        return Entry{u8(at) == 0 ? 256 : u8(at),
                     u8(at + 1) == 0 ? 256 : u8(at + 1),
                     u8(at + 2),
                     u8(at + 3),
                     u16(at + 4),
                     u16(at + 6),
                     u32(at + 8),
                     u32(at + 12)};
    }

    static BitmapHeader bitmapHeader(const Entry& e)
    {
        const std::size_t at = e.imageOffset;
        return BitmapHeader{u32(at),
                            static_cast<std::int32_t>(u32(at + 4)),
                            static_cast<std::int32_t>(u32(at + 8)),
                            u16(at + 12),
                            u16(at + 14),
                            u32(at + 16),
                            u32(at + 20),
                            u32(at + 32)};
    }

    static std::uint32_t paletteEntries(const BitmapHeader& h)
    {
        return h.colorsUsed != 0 ? h.colorsUsed : 1u << h.bitCount;
    }

    static std::vector<char> bytes_;
};

std::vector<char> AppIcon::bytes_;

TEST_F(AppIcon, DirectoryHeaderDeclaresTwoIcons)
{
    EXPECT_EQ(u16(0), 0u) << "reserved";
    EXPECT_EQ(u16(2), 1u) << "type (1 = icon, 2 = cursor)";
    EXPECT_EQ(imageCount(), 2u);
}

TEST_F(AppIcon, EntriesDescribe32And16PixelPaletteImages)
{
    ASSERT_EQ(imageCount(), 2u);
    const std::uint32_t sizes[] = {32, 16};
    for (std::uint32_t i = 0; i < 2; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const Entry e = entry(i);
        EXPECT_EQ(e.width, sizes[i]);
        EXPECT_EQ(e.height, sizes[i]);
        EXPECT_EQ(e.colorCount, 0u) << "0 for 256 colours or more";
        EXPECT_EQ(e.reserved, 0u);
        EXPECT_EQ(e.planes, 1u);
        EXPECT_EQ(e.bitCount, 8u);
    }
}

TEST_F(AppIcon, ImagesFillTheFileAfterTheDirectoryWithoutOverlap)
{
    ASSERT_EQ(imageCount(), 2u);
    std::uint32_t expectedOffset = kDirectorySize + imageCount() * kEntrySize;
    for (std::uint32_t i = 0; i < imageCount(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const Entry e = entry(i);
        EXPECT_EQ(e.imageOffset, expectedOffset);
        ASSERT_LE(e.imageOffset, fileSize());
        ASSERT_LE(e.bytesInRes, fileSize() - e.imageOffset) << "image runs past the end of the file";
        expectedOffset = e.imageOffset + e.bytesInRes;
    }
    EXPECT_EQ(expectedOffset, fileSize()) << "bytes after the last image";
}

TEST_F(AppIcon, BitmapHeadersMatchTheirEntries)
{
    ASSERT_EQ(imageCount(), 2u);
    for (std::uint32_t i = 0; i < imageCount(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const Entry e = entry(i);
        const BitmapHeader h = bitmapHeader(e);
        EXPECT_EQ(h.size, kBitmapHeaderSize);
        EXPECT_EQ(h.width, static_cast<std::int32_t>(e.width));
        EXPECT_EQ(h.height, static_cast<std::int32_t>(2 * e.height)) << "pixels and mask";
        EXPECT_EQ(h.planes, 1u);
        EXPECT_EQ(h.bitCount, 8u);
        EXPECT_EQ(h.compression, 0u) << "BI_RGB";
        EXPECT_LE(h.colorsUsed, 256u);
    }
}

TEST_F(AppIcon, ImageSizeIsHeaderPalettePixelsAndMask)
{
    ASSERT_EQ(imageCount(), 2u);
    for (std::uint32_t i = 0; i < imageCount(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const Entry e = entry(i);
        const BitmapHeader h = bitmapHeader(e);
        ASSERT_EQ(h.bitCount, 8u);
        const std::uint32_t palette = 4 * paletteEntries(h);
        const std::uint32_t pixels = rowBytes(e.width, 8) * e.height;
        const std::uint32_t mask = rowBytes(e.width, 1) * e.height;
        EXPECT_EQ(e.bytesInRes, kBitmapHeaderSize + palette + pixels + mask);
        if (h.sizeImage != 0) {
            EXPECT_EQ(h.sizeImage, pixels + mask);
        }
    }
}

TEST_F(AppIcon, PixelsIndexEntriesOfThePalette)
{
    ASSERT_EQ(imageCount(), 2u);
    for (std::uint32_t i = 0; i < imageCount(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const Entry e = entry(i);
        const BitmapHeader h = bitmapHeader(e);
        ASSERT_EQ(h.bitCount, 8u);
        const std::uint32_t entries = paletteEntries(h);
        const std::uint32_t first = e.imageOffset + kBitmapHeaderSize + 4 * entries;
        const std::uint32_t stride = rowBytes(e.width, 8);
        std::uint32_t outside = 0;
        for (std::uint32_t y = 0; y < e.height; ++y) {
            for (std::uint32_t x = 0; x < e.width; ++x) {
                if (u8(first + y * stride + x) >= entries) {
                    ++outside;
                }
            }
        }
        EXPECT_EQ(outside, 0u) << "pixels with an index past the " << entries << "-entry palette";
    }
}

}  // namespace
