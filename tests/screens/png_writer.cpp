#include "tests/screens/png_writer.h"

#include <algorithm>

namespace {

void put32(std::string* out, uint32_t v) {
    for (int32_t shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<char>((v >> shift) & 0xFF));
}

void put_chunk(std::string* out, const char* type, const std::string& data) {
    put32(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out->append(body);
    put32(out, png_crc32(reinterpret_cast<const uint8_t*>(body.data()), body.size()));
}

}  // namespace

uint32_t png_crc32(const uint8_t* data, size_t size, uint32_t crc) {
    static uint32_t table[256];
    static bool made = false;
    if (!made) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int32_t k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        made = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t png_adler32(const uint8_t* data, size_t size) {
    uint32_t a = 1;
    uint32_t b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::string png_zlib_stored(const uint8_t* data, size_t size) {
    std::string out =
        "\x78\x01";  // deflate, 32 KiB window, no dictionary; the check bits make 0x7801 % 31 == 0
    size_t at = 0;
    do {
        size_t n = std::min<size_t>(size - at, 65535);
        bool last = at + n == size;
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        out.push_back(static_cast<char>(n & 0xFF));
        out.push_back(static_cast<char>(n >> 8));
        out.push_back(static_cast<char>(~n & 0xFF));
        out.push_back(static_cast<char>((~n >> 8) & 0xFF));
        out.append(reinterpret_cast<const char*>(data + at), n);
        at += n;
    } while (at < size);
    put32(&out, png_adler32(data, size));
    return out;
}

namespace {

// An 8-bit image of channels bytes per pixel (1 with a palette, 3 for red, green, blue).
std::string png_encode(const uint8_t* pixels, uint32_t width, uint32_t height, uint32_t channels,
                       const uint8_t* palette) {
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string header;
    put32(&header, width);
    put32(&header, height);
    header.push_back(8);                          // bits per channel
    header.push_back(palette != nullptr ? 3 : 2);  // colour type: palette or truecolour
    header.append(std::string("\x00\x00\x00", 3));  // deflate, no filter set, no interlace
    put_chunk(&out, "IHDR", header);
    if (palette != nullptr)
        put_chunk(&out, "PLTE", std::string(reinterpret_cast<const char*>(palette), 256 * 3));
    size_t row_bytes = static_cast<size_t>(width) * channels;
    std::string rows;
    rows.reserve(static_cast<size_t>(height) * (row_bytes + 1));
    for (uint32_t y = 0; y < height; ++y) {
        rows.push_back(0);  // filter: none
        rows.append(reinterpret_cast<const char*>(pixels + static_cast<size_t>(y) * row_bytes), row_bytes);
    }
    put_chunk(&out, "IDAT", png_zlib_stored(reinterpret_cast<const uint8_t*>(rows.data()), rows.size()));
    put_chunk(&out, "IEND", "");
    return out;
}

}  // namespace

std::string png_encode_indexed(const uint8_t* pixels, uint32_t width, uint32_t height,
                               const uint8_t* palette) {
    return png_encode(pixels, width, height, 1, palette);
}

std::string png_encode_rgb(const uint8_t* pixels, uint32_t width, uint32_t height) {
    return png_encode(pixels, width, height, 3, nullptr);
}
