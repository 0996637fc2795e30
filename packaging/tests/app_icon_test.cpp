// assets/app.ico, the icon the Windows resources and the installer embed, read
// as Windows reads it: the icon directory, one entry per image, and per image
// either a device-independent bitmap (BITMAPINFOHEADER, a palette for 8 bits,
// the pixels and the 1-bit mask, all little-endian; the header's height counts
// pixels and mask, so it is twice the image's) or, at 256 px, a PNG stream.
//
// The program's icon proper comes first: 32 and 16 px of 256 colours. After
// it the same butterfly in true colour with alpha: at the same two sizes,
// which Windows takes on a screen of more than 256 colours, and at the other
// sizes it asks for. The PNG is decoded here by a small inflater of the test's own, so
// that nothing of the encoder that wrote it checks it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef CHENGXI_APP_ICO_PATH
#error "CHENGXI_APP_ICO_PATH must name assets/app.ico"
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;

enum class Kind { Palette, TrueColour, Png };

struct Expected {
    std::uint32_t size;
    std::uint32_t bitCount;
    Kind kind;
};

// The icon directory as it must be, in this order.
constexpr std::array<Expected, 10> kImages = {{
    {32, 8, Kind::Palette},
    {16, 8, Kind::Palette},
    {32, 32, Kind::TrueColour},
    {16, 32, Kind::TrueColour},
    {20, 32, Kind::TrueColour},
    {24, 32, Kind::TrueColour},
    {40, 32, Kind::TrueColour},
    {48, 32, Kind::TrueColour},
    {64, 32, Kind::TrueColour},
    {256, 32, Kind::Png},
}};

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The folder the icon is in, with its separator.
std::string assetsFolder()
{
    const std::string ico = CHENGXI_APP_ICO_PATH;
    return ico.substr(0, ico.find_last_of("/\\") + 1);
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
std::uint32_t rowBytes(std::uint32_t width, std::uint32_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

std::uint32_t bigEndian32(const Bytes& b, std::size_t at)
{
    return std::uint32_t{b.at(at)} << 24 | std::uint32_t{b.at(at + 1)} << 16 | std::uint32_t{b.at(at + 2)} << 8 |
           b.at(at + 3);
}

// ---------------------------------------------------------------------------
// PNG decoding: chunks with their CRCs, the zlib stream, the inflater
// (RFC 1951: stored, fixed and dynamic Huffman blocks) and the row filters.
// Any fault in the stream throws.

std::uint32_t crc32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xffffffffu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

class BitReader {
public:
    explicit BitReader(const Bytes& in, std::size_t from) : in_(in), pos_(from) {}

    std::uint32_t bits(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            if (bit_ == 8) {
                bit_ = 0;
                ++pos_;
            }
            if (pos_ >= in_.size()) {
                throw std::runtime_error("deflate stream ends early");
            }
            value |= std::uint32_t{(in_[pos_] >> bit_) & 1u} << i;
            ++bit_;
        }
        return value;
    }
    std::uint8_t alignedByte()
    {
        if (bit_ != 0) {
            bit_ = 0;
            ++pos_;
        }
        if (pos_ >= in_.size()) {
            throw std::runtime_error("deflate stream ends early");
        }
        return in_[pos_++];
    }
    // The first byte after the stream's last bit.
    std::size_t end() const { return bit_ == 0 ? pos_ : pos_ + 1; }

private:
    const Bytes& in_;
    std::size_t pos_;
    int bit_ = 0;
};

// A canonical Huffman code from its code lengths.
class Huffman {
public:
    explicit Huffman(const std::vector<int>& lengths)
    {
        for (int length : lengths) {
            ++count_[static_cast<std::size_t>(length)];
        }
        count_[0] = 0;
        std::array<int, 16> offset{};
        for (std::size_t len = 1; len < 16; ++len) {
            offset[len] = offset[len - 1] + count_[len - 1];
        }
        symbols_.resize(lengths.size());
        for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
            if (lengths[symbol] != 0) {
                symbols_[static_cast<std::size_t>(offset[static_cast<std::size_t>(lengths[symbol])]++)] =
                    static_cast<int>(symbol);
            }
        }
    }
    int decode(BitReader& in) const
    {
        int code = 0;
        int first = 0;
        int index = 0;
        for (std::size_t len = 1; len < 16; ++len) {
            code |= static_cast<int>(in.bits(1));
            const int count = count_[len];
            if (code - first < count) {
                return symbols_[static_cast<std::size_t>(index + code - first)];
            }
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        throw std::runtime_error("invalid Huffman code");
    }

private:
    std::array<int, 16> count_{};
    std::vector<int> symbols_;
};

void inflateBlock(BitReader& in, Bytes& out, const Huffman& literals, const Huffman& distances)
{
    static constexpr std::array<int, 29> lengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr std::array<int, 29> lengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                        2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static constexpr std::array<int, 30> distanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                                         33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                                         1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    static constexpr std::array<int, 30> distanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                          6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    for (;;) {
        const int symbol = literals.decode(in);
        if (symbol < 256) {
            out.push_back(static_cast<std::uint8_t>(symbol));
            continue;
        }
        if (symbol == 256) {
            return;
        }
        const auto lengthCode = static_cast<std::size_t>(symbol - 257);
        if (lengthCode >= lengthBase.size()) {
            throw std::runtime_error("invalid length code");
        }
        const std::size_t length = static_cast<std::size_t>(lengthBase[lengthCode]) + in.bits(lengthExtra[lengthCode]);
        const auto distanceCode = static_cast<std::size_t>(distances.decode(in));
        if (distanceCode >= distanceBase.size()) {
            throw std::runtime_error("invalid distance code");
        }
        const std::size_t distance =
            static_cast<std::size_t>(distanceBase[distanceCode]) + in.bits(distanceExtra[distanceCode]);
        if (distance > out.size()) {
            throw std::runtime_error("distance reaches before the start");
        }
        for (std::size_t i = 0; i < length; ++i) {
            out.push_back(out[out.size() - distance]);
        }
    }
}

// Inflates the deflate stream at `from`; `end` receives the first byte after it.
Bytes inflate(const Bytes& in, std::size_t from, std::size_t& end)
{
    BitReader bits(in, from);
    Bytes out;
    bool last = false;
    while (!last) {
        last = bits.bits(1) == 1;
        const std::uint32_t type = bits.bits(2);
        if (type == 0) {
            const std::uint32_t length = bits.alignedByte() | std::uint32_t{bits.alignedByte()} << 8;
            const std::uint32_t complement = bits.alignedByte() | std::uint32_t{bits.alignedByte()} << 8;
            if ((length ^ 0xffffu) != complement) {
                throw std::runtime_error("stored block length and its complement differ");
            }
            for (std::uint32_t i = 0; i < length; ++i) {
                out.push_back(bits.alignedByte());
            }
        } else if (type == 1) {
            std::vector<int> literalLengths(288, 8);
            std::fill(literalLengths.begin() + 144, literalLengths.begin() + 256, 9);
            std::fill(literalLengths.begin() + 256, literalLengths.begin() + 280, 7);
            inflateBlock(bits, out, Huffman(literalLengths), Huffman(std::vector<int>(30, 5)));
        } else if (type == 2) {
            const std::size_t literalCount = bits.bits(5) + 257;
            const std::size_t distanceCount = bits.bits(5) + 1;
            const std::size_t codeLengthCount = bits.bits(4) + 4;
            static constexpr std::array<std::size_t, 19> order = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                  11, 4,  12, 3, 13, 2, 14, 1, 15};
            std::vector<int> codeLengths(19, 0);
            for (std::size_t i = 0; i < codeLengthCount; ++i) {
                codeLengths[order[i]] = static_cast<int>(bits.bits(3));
            }
            const Huffman codeLengthCode(codeLengths);
            std::vector<int> lengths;
            while (lengths.size() < literalCount + distanceCount) {
                const int symbol = codeLengthCode.decode(bits);
                if (symbol < 16) {
                    lengths.push_back(symbol);
                } else if (symbol == 16) {
                    if (lengths.empty()) {
                        throw std::runtime_error("repeat of no code length");
                    }
                    lengths.insert(lengths.end(), 3 + bits.bits(2), lengths.back());
                } else {
                    lengths.insert(lengths.end(), symbol == 17 ? 3 + bits.bits(3) : 11 + bits.bits(7), 0);
                }
            }
            if (lengths.size() != literalCount + distanceCount) {
                throw std::runtime_error("code lengths overrun their count");
            }
            const auto split = lengths.begin() + static_cast<std::ptrdiff_t>(literalCount);
            inflateBlock(bits, out, Huffman(std::vector<int>(lengths.begin(), split)),
                         Huffman(std::vector<int>(split, lengths.end())));
        } else {
            throw std::runtime_error("reserved block type");
        }
    }
    end = bits.end();
    return out;
}

// A zlib stream (RFC 1950): header, deflate data, Adler-32 of the output.
Bytes zlibDecompress(const Bytes& in)
{
    if (in.size() < 6 || (in[0] & 0x0f) != 8 || (in[0] << 8 | in[1]) % 31 != 0 || (in[1] & 0x20) != 0) {
        throw std::runtime_error("not a zlib stream of deflate data");
    }
    std::size_t end = 0;
    Bytes out = inflate(in, 2, end);
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : out) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    if (end + 4 != in.size() || bigEndian32(in, end) != (b << 16 | a)) {
        throw std::runtime_error("zlib stream: wrong Adler-32 or bytes after it");
    }
    return out;
}

// Straight (not premultiplied) RGBA, top row first.
struct Rgba {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    Bytes pixels;  // R G B A

    std::uint8_t alpha(std::uint32_t x, std::uint32_t y) const { return pixels.at((y * width + x) * 4 + 3); }
};

struct Png {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t colourType = 0;
    std::uint8_t interlace = 0;
    Rgba image;  // decoded for 8-bit RGBA only
};

std::uint8_t paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p;
    const int pb = p > b ? p - b : b - p;
    const int pc = p > c ? p - c : c - p;
    return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Reads the whole PNG file: every chunk's CRC, IHDR first, IEND last and
// nothing after it; decodes the pixels of a non-interlaced 8-bit RGBA image.
Png decodePng(const Bytes& file)
{
    static constexpr std::array<std::uint8_t, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (file.size() < 8 || !std::equal(signature.begin(), signature.end(), file.begin())) {
        throw std::runtime_error("no PNG signature");
    }
    Png png;
    Bytes compressed;
    bool ended = false;
    std::size_t at = 8;
    while (!ended) {
        if (at + 12 > file.size()) {
            throw std::runtime_error("PNG ends without IEND");
        }
        const std::uint32_t length = bigEndian32(file, at);
        if (length > file.size() - at - 12) {
            throw std::runtime_error("PNG chunk runs past the end");
        }
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               file.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const std::size_t data = at + 8;
        if (crc32(&file[at + 4], length + 4) != bigEndian32(file, data + length)) {
            throw std::runtime_error("PNG chunk " + type + ": wrong CRC");
        }
        if (at == 8 && type != "IHDR") {
            throw std::runtime_error("PNG: IHDR is not the first chunk");
        }
        if (type == "IHDR") {
            if (length != 13) {
                throw std::runtime_error("PNG: IHDR of the wrong length");
            }
            png.width = bigEndian32(file, data);
            png.height = bigEndian32(file, data + 4);
            png.bitDepth = file[data + 8];
            png.colourType = file[data + 9];
            png.interlace = file[data + 12];
        } else if (type == "IDAT") {
            compressed.insert(compressed.end(), file.begin() + static_cast<std::ptrdiff_t>(data),
                              file.begin() + static_cast<std::ptrdiff_t>(data + length));
        } else if (type == "IEND") {
            ended = true;
        }
        at = data + length + 4;
    }
    if (at != file.size()) {
        throw std::runtime_error("bytes after IEND");
    }
    if (png.bitDepth != 8 || png.colourType != 6 || png.interlace != 0) {
        return png;
    }

    const Bytes raw = zlibDecompress(compressed);
    const std::size_t stride = std::size_t{png.width} * 4;
    if (raw.size() != png.height * (stride + 1)) {
        throw std::runtime_error("PNG: image data of the wrong size");
    }
    Rgba& image = png.image;
    image.width = png.width;
    image.height = png.height;
    image.pixels.assign(png.height * stride, 0);
    for (std::size_t y = 0; y < png.height; ++y) {
        const std::uint8_t filter = raw[y * (stride + 1)];
        const std::uint8_t* in = &raw[y * (stride + 1) + 1];
        std::uint8_t* line = &image.pixels[y * stride];
        const std::uint8_t* above = y == 0 ? nullptr : line - stride;
        for (std::size_t i = 0; i < stride; ++i) {
            const int a = i >= 4 ? line[i - 4] : 0;
            const int b = above != nullptr ? above[i] : 0;
            const int c = i >= 4 && above != nullptr ? above[i - 4] : 0;
            int predicted = 0;
            switch (filter) {
            case 0: predicted = 0; break;
            case 1: predicted = a; break;
            case 2: predicted = b; break;
            case 3: predicted = (a + b) / 2; break;
            case 4: predicted = paeth(a, b, c); break;
            default: throw std::runtime_error("PNG: unknown row filter");
            }
            line[i] = static_cast<std::uint8_t>(in[i] + predicted);
        }
    }
    return png;
}

// ---------------------------------------------------------------------------

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
    static void SetUpTestSuite() { bytes_ = readFile(CHENGXI_APP_ICO_PATH); }

    void SetUp() override
    {
        ASSERT_GE(bytes_.size(), kDirectorySize + kImages.size() * kEntrySize)
            << "cannot read " << CHENGXI_APP_ICO_PATH;
        ASSERT_EQ(imageCount(), kImages.size());
    }

    // Reads past the end throw, which fails the test that made them.
    static std::uint32_t u8(std::size_t at) { return bytes_.at(at); }
    static std::uint32_t u16(std::size_t at) { return u8(at) | u8(at + 1) << 8; }
    static std::uint32_t u32(std::size_t at) { return u16(at) | u16(at + 2) << 16; }

    static std::uint32_t fileSize() { return static_cast<std::uint32_t>(bytes_.size()); }
    static std::uint32_t imageCount() { return u16(4); }

    static Entry entry(std::size_t index)
    {
        const std::size_t at = kDirectorySize + index * kEntrySize;
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
        if (h.bitCount > 8) {
            return h.colorsUsed;
        }
        return h.colorsUsed != 0 ? h.colorsUsed : 1u << h.bitCount;
    }

    static Bytes imageBytes(const Entry& e)
    {
        if (e.imageOffset > fileSize() || e.bytesInRes > fileSize() - e.imageOffset) {
            throw std::out_of_range("image runs past the end of the file");
        }
        return Bytes(bytes_.begin() + e.imageOffset, bytes_.begin() + e.imageOffset + e.bytesInRes);
    }

    // A 32-bit bitmap image as RGBA, top row first.
    static Rgba trueColourPixels(const Entry& e)
    {
        Rgba image{e.width, e.height, {}};
        const std::size_t first = e.imageOffset + kBitmapHeaderSize;
        for (std::uint32_t y = 0; y < e.height; ++y) {
            const std::size_t row = first + std::size_t{e.height - 1 - y} * e.width * 4;  // bottom-up
            for (std::uint32_t x = 0; x < e.width; ++x) {
                const std::size_t at = row + std::size_t{x} * 4;
                for (const std::size_t channel : {2u, 1u, 0u, 3u}) {  // stored B G R A
                    image.pixels.push_back(static_cast<std::uint8_t>(u8(at + channel)));
                }
            }
        }
        return image;
    }

    // Every true-colour image, the PNG one too, with its entry's index.
    static std::vector<std::pair<std::size_t, Rgba>> trueColourImages()
    {
        std::vector<std::pair<std::size_t, Rgba>> images;
        for (std::size_t i = 0; i < kImages.size(); ++i) {
            if (kImages[i].kind == Kind::TrueColour) {
                images.emplace_back(i, trueColourPixels(entry(i)));
            } else if (kImages[i].kind == Kind::Png) {
                images.emplace_back(i, decodePng(imageBytes(entry(i))).image);
            }
        }
        return images;
    }

    static Bytes bytes_;
};

Bytes AppIcon::bytes_;

TEST_F(AppIcon, DirectoryListsThe256ColourImagesFirstThenTheTrueColourOnes)
{
    EXPECT_EQ(u16(0), 0u) << "reserved";
    EXPECT_EQ(u16(2), 1u) << "type (1 = icon, 2 = cursor)";
    for (std::size_t i = 0; i < kImages.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const Entry e = entry(i);
        EXPECT_EQ(e.width, kImages[i].size);
        EXPECT_EQ(e.height, kImages[i].size);
        EXPECT_EQ(e.bitCount, kImages[i].bitCount);
        EXPECT_EQ(e.colorCount, 0u) << "0 for 256 colours or more";
        EXPECT_EQ(e.reserved, 0u);
        EXPECT_EQ(e.planes, 1u);
    }
}

TEST_F(AppIcon, ImagesFillTheFileAfterTheDirectoryWithoutOverlap)
{
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

// The bitmaps: header, palette (8 bits only), pixels and mask, nothing more.
TEST_F(AppIcon, BitmapsHaveHeadersAndSizesMatchingTheirEntries)
{
    for (std::size_t i = 0; i < kImages.size(); ++i) {
        if (kImages[i].kind == Kind::Png) {
            continue;
        }
        SCOPED_TRACE("image " + std::to_string(i));
        const Entry e = entry(i);
        const BitmapHeader h = bitmapHeader(e);
        EXPECT_EQ(h.size, kBitmapHeaderSize);
        EXPECT_EQ(h.width, static_cast<std::int32_t>(e.width));
        EXPECT_EQ(h.height, static_cast<std::int32_t>(2 * e.height)) << "pixels and mask";
        EXPECT_EQ(h.planes, 1u);
        EXPECT_EQ(h.bitCount, kImages[i].bitCount);
        EXPECT_EQ(h.compression, 0u) << "BI_RGB";
        if (h.bitCount == 8) {
            EXPECT_LE(h.colorsUsed, 256u);
        } else {
            EXPECT_EQ(h.colorsUsed, 0u) << "no palette for 32 bits";
        }
        const std::uint32_t palette = 4 * paletteEntries(h);
        const std::uint32_t pixels = rowBytes(e.width, h.bitCount) * e.height;
        const std::uint32_t mask = rowBytes(e.width, 1) * e.height;
        EXPECT_EQ(e.bytesInRes, kBitmapHeaderSize + palette + pixels + mask);
        if (h.sizeImage != 0) {
            EXPECT_EQ(h.sizeImage, pixels + mask);
        }
    }
}

TEST_F(AppIcon, PalettePixelsIndexEntriesOfThePalette)
{
    for (std::size_t i = 0; i < kImages.size(); ++i) {
        if (kImages[i].kind != Kind::Palette) {
            continue;
        }
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

// Drawn without the alpha channel, a 32-bit image shows through its mask:
// the mask must leave out exactly the fully transparent pixels.
TEST_F(AppIcon, TrueColourMasksCoverExactlyTheTransparentPixels)
{
    for (std::size_t i = 0; i < kImages.size(); ++i) {
        if (kImages[i].kind != Kind::TrueColour) {
            continue;
        }
        SCOPED_TRACE("image " + std::to_string(i));
        const Entry e = entry(i);
        const Rgba image = trueColourPixels(e);
        const std::size_t mask = e.imageOffset + kBitmapHeaderSize + std::size_t{e.width} * e.height * 4;
        const std::uint32_t stride = rowBytes(e.width, 1);
        std::uint32_t wrong = 0;
        for (std::uint32_t y = 0; y < e.height; ++y) {
            for (std::uint32_t x = 0; x < e.width; ++x) {
                const bool masked = (u8(mask + (e.height - 1 - y) * stride + x / 8) & (0x80u >> (x % 8))) != 0;
                if (masked != (image.alpha(x, y) == 0)) {
                    ++wrong;
                }
            }
        }
        EXPECT_EQ(wrong, 0u) << "pixels whose mask bit disagrees with their alpha";
    }
}

TEST_F(AppIcon, The256PixelImageIsAValidRgbaPng)
{
    const Entry e = entry(kImages.size() - 1);
    ASSERT_EQ(kImages.back().kind, Kind::Png);
    const Png png = decodePng(imageBytes(e));
    EXPECT_EQ(png.width, 256u);
    EXPECT_EQ(png.height, 256u);
    EXPECT_EQ(png.bitDepth, 8u);
    EXPECT_EQ(png.colourType, 6u) << "RGBA";
    EXPECT_EQ(png.interlace, 0u);
    EXPECT_EQ(png.image.pixels.size(), 256u * 256u * 4u);
}

// Real alpha: a transparent ground around an opaque butterfly, with edges
// smoothed by partial transparency rather than cut by a 1-bit mask.
TEST_F(AppIcon, TrueColourImagesHaveTransparentCornersAndAnOpaqueBody)
{
    const auto images = trueColourImages();
    ASSERT_EQ(images.size(), 8u);
    for (const auto& [index, image] : images) {
        SCOPED_TRACE("image " + std::to_string(index) + ", " + std::to_string(image.width) + " px");
        ASSERT_EQ(image.pixels.size(), std::size_t{image.width} * image.height * 4);
        const std::uint32_t last = image.width - 1;
        EXPECT_EQ(image.alpha(0, 0), 0);
        EXPECT_EQ(image.alpha(last, 0), 0);
        EXPECT_EQ(image.alpha(0, last), 0);
        EXPECT_EQ(image.alpha(last, last), 0);
        // The middle lies on the body, between the wings.
        EXPECT_EQ(image.alpha(image.width / 2, image.height / 2), 255);
        std::uint32_t partial = 0;
        std::uint32_t opaque = 0;
        for (std::size_t p = 3; p < image.pixels.size(); p += 4) {
            partial += image.pixels[p] != 0 && image.pixels[p] != 255 ? 1 : 0;
            opaque += image.pixels[p] == 255 ? 1 : 0;
        }
        EXPECT_GT(partial, 0u) << "no smoothed edge";
        EXPECT_GT(opaque, image.width * image.height / 4) << "too little of the butterfly is opaque";
    }
}

// The same butterfly as the Linux icons: at 48, 64 and 256 px, the sizes the
// two share in true colour, the pixels are the same, and the PNG is
// icon-256.png itself. (The Linux 16 and 32 px icons are the 256-colour
// images.)
TEST_F(AppIcon, TrueColourImagesAreTheLinuxIconsOfTheirSize)
{
    std::vector<std::uint32_t> compared;
    for (const auto& [index, image] : trueColourImages()) {
        const std::string path = assetsFolder() + "icon-" + std::to_string(image.width) + ".png";
        const Bytes file = readFile(path);
        if (file.empty()) {
            continue;  // no Linux icon of this size
        }
        SCOPED_TRACE(path);
        const Png linuxIcon = decodePng(file);
        if (linuxIcon.colourType == 3) {
            continue;  // a palette image, as the first two of the icon
        }
        compared.push_back(image.width);
        ASSERT_EQ(linuxIcon.colourType, 6u);
        EXPECT_TRUE(linuxIcon.image.pixels == image.pixels) << "image " << index << " differs";
        if (kImages[index].kind == Kind::Png) {
            EXPECT_TRUE(file == imageBytes(entry(index))) << "the icon's PNG is another file";
        }
    }
    EXPECT_EQ(compared, (std::vector<std::uint32_t>{48, 64, 256}));
}

}  // namespace
