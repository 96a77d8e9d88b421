// The PNG writer: its checksums against their published check values, the stored deflate framing
// across block boundaries, and the layout of a small image.
#include "tests/screens/png_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const uint8_t* bytes(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

uint32_t be32(const std::string& s, size_t at) {
    return (static_cast<uint32_t>(static_cast<uint8_t>(s[at])) << 24) |
           (static_cast<uint32_t>(static_cast<uint8_t>(s[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(s[at + 2])) << 8) | static_cast<uint8_t>(s[at + 3]);
}

TEST(PngWriter, ChecksumsMatchTheirCheckValues) {
    std::string check = "123456789";
    EXPECT_EQ(png_crc32(bytes(check), check.size()), 0xCBF43926u);
    EXPECT_EQ(png_crc32(nullptr, 0), 0u);
    EXPECT_EQ(png_crc32(bytes(std::string("IEND")), 4), 0xAE426082u);
    std::string wiki = "Wikipedia";
    EXPECT_EQ(png_adler32(bytes(wiki), wiki.size()), 0x11E60398u);
    EXPECT_EQ(png_adler32(nullptr, 0), 1u);
    std::vector<uint8_t> ones(100000, 0xFF);  // the sums wrap at 65521
    uint32_t a = 1, b = 0;
    for (uint8_t v : ones) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(png_adler32(ones.data(), ones.size()), (b << 16) | a);
}

TEST(PngWriter, StoredBlocksHoldAtMost65535BytesAndOnlyTheLastIsFinal) {
    struct {
        size_t size;
        size_t blocks;
    } const cases[] = {{0, 1}, {1, 1}, {65535, 1}, {65536, 2}, {140000, 3}};
    for (auto c : cases) {
        std::vector<uint8_t> data(c.size);
        for (size_t i = 0; i < c.size; ++i) data[i] = static_cast<uint8_t>(i * 7);
        std::string z = png_zlib_stored(data.data(), data.size());
        ASSERT_EQ(z.size(), 2 + 5 * c.blocks + c.size + 4) << c.size;
        EXPECT_EQ((static_cast<uint8_t>(z[0]) * 256 + static_cast<uint8_t>(z[1])) % 31, 0);
        size_t at = 2;
        std::string back;
        for (size_t k = 0; k < c.blocks; ++k) {
            EXPECT_EQ(z[at], k + 1 == c.blocks ? 1 : 0);
            size_t n = static_cast<uint8_t>(z[at + 1]) | static_cast<size_t>(static_cast<uint8_t>(z[at + 2]))
                                                             << 8;
            size_t nn = static_cast<uint8_t>(z[at + 3]) | static_cast<size_t>(static_cast<uint8_t>(z[at + 4]))
                                                              << 8;
            EXPECT_EQ(n ^ nn, 0xFFFFu);
            back.append(z, at + 5, n);
            at += 5 + n;
        }
        EXPECT_EQ(back, std::string(data.begin(), data.end()));
        EXPECT_EQ(be32(z, at), png_adler32(data.data(), data.size()));
    }
}

TEST(PngWriter, AnImageIsSignatureHeaderPaletteDataAndEnd) {
    const uint8_t pixels[6] = {0, 1, 2, 3, 4, 255};
    uint8_t palette[768] = {};
    palette[3] = 0xAB;
    std::string png = png_encode_indexed(pixels, 3, 2, palette);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    const char* types[] = {"IHDR", "PLTE", "IDAT", "IEND"};
    const uint32_t sizes[] = {13, 768, 2 + 5 + 8 + 4, 0};
    size_t at = 8;
    for (int i = 0; i < 4; ++i) {
        uint32_t n = be32(png, at);
        EXPECT_EQ(n, sizes[i]);
        EXPECT_EQ(png.substr(at + 4, 4), types[i]);
        EXPECT_EQ(be32(png, at + 8 + n), png_crc32(bytes(png) + at + 4, n + 4)) << types[i];
        at += 12 + n;
    }
    EXPECT_EQ(at, png.size());
    EXPECT_EQ(be32(png, 16), 3u);
    EXPECT_EQ(be32(png, 20), 2u);
    EXPECT_EQ(png.substr(24, 5), std::string("\x08\x03\x00\x00\x00", 5));
    EXPECT_EQ(static_cast<uint8_t>(png[8 + 12 + 13 + 8 + 3]), 0xAB) << "the palette as given";
    size_t rows = 8 + 25 + 780 + 8 + 2 + 5;
    EXPECT_EQ(png.substr(rows, 8), std::string("\x00\x00\x01\x02\x00\x03\x04\xFF", 8))
        << "filter byte 0 per row";
}

}  // namespace

TEST(PngWriter, ATruecolourImageHasNoPaletteAndThreeBytesAPixel) {
    const uint8_t pixels[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::string png = png_encode_rgb(pixels, 2, 2);
    EXPECT_EQ(png.substr(24, 5), std::string("\x08\x02\x00\x00\x00", 5)) << "8 bits, truecolour";
    EXPECT_EQ(png.substr(8 + 25 + 4, 4), "IDAT") << "no palette chunk";
    size_t rows = 8 + 25 + 8 + 2 + 5;
    EXPECT_EQ(png.substr(rows, 14), std::string("\x00\x01\x02\x03\x04\x05\x06\x00\x07\x08\x09\x0a\x0b\x0c", 14));
}
