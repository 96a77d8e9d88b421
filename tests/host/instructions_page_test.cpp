// The instructions page's header is checked before the page is decoded: only a 360 x 300 bitmap
// whose pixels lie inside the file passes.
#include "host/instructions_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/harness/harness.h"

namespace {

void put32(std::vector<uint8_t>* b, size_t at, uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) (*b)[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// A header for a w x h page with the given bits per pixel, followed by its pixels.
std::vector<uint8_t> page(int32_t w, int32_t h, uint32_t bits) {
    uint32_t colours = bits <= 8 ? 1u << bits : 0;
    uint32_t row = (static_cast<uint32_t>(w > 0 ? w : 1) * bits + 31) / 32 * 4;
    uint32_t rows = static_cast<uint32_t>(h < 0 ? -h : h);
    uint32_t pixels_at = 54 + 4 * colours;
    std::vector<uint8_t> b(pixels_at + (rows <= 300 ? row * rows : 16), 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(&b, 2, static_cast<uint32_t>(b.size()));
    put32(&b, 10, pixels_at);
    put32(&b, 14, 40);
    put32(&b, 18, static_cast<uint32_t>(w));
    put32(&b, 22, static_cast<uint32_t>(h));
    b[26] = 1;
    b[28] = static_cast<uint8_t>(bits);
    return b;
}

TEST(InstructionsPage, OnlyAWholePageOfItsSizePasses) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        int32_t ok;
    };
    std::vector<uint8_t> cut = page(360, 300, 4);
    cut.resize(cut.size() - 1);
    std::vector<uint8_t> packed = page(360, 300, 4);
    packed[30] = 2;  // run-length packed
    std::vector<uint8_t> not_bmp = page(360, 300, 4);
    not_bmp[0] = 'X';
    std::vector<uint8_t> pixels_outside = page(360, 300, 4);
    put32(&pixels_outside, 10, 60000);
    std::vector<uint8_t> header_only = page(360, 300, 4);
    header_only.resize(53);
    std::vector<uint8_t> too_long = page(360, 300, 32);
    too_long.resize(INSTRUCTIONS_PAGE_MAX_BYTES + 1);
    const Case cases[] = {
        {"the page, 16 colours", page(360, 300, 4), 1},
        {"the page, top down", page(360, -300, 4), 1},
        {"the page, 256 colours", page(360, 300, 8), 1},
        {"the page, 24-bit", page(360, 300, 24), 1},
        {"the page, 32-bit", page(360, 300, 32), 1},
        {"a huge page", page(100000, 100000, 24), 0},
        {"one pixel narrower", page(359, 300, 4), 0},
        {"one row taller", page(360, 301, 4), 0},
        {"no width", page(0, 300, 4), 0},
        {"15 bits a pixel", page(360, 300, 15), 0},
        {"cut short", cut, 0},
        {"packed", packed, 0},
        {"not a bitmap", not_bmp, 0},
        {"pixels past the end", pixels_outside, 0},
        {"longer than a page can be", too_long, 0},
        {"less than a header", header_only, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(instructions_page_header_ok(c.bytes.data(), c.bytes.size()), c.ok) << c.name;
}

TEST(InstructionsPage, TheGeneratedPagePasses) {
    std::string bytes = harness_read_file(harness_data_dir() + "/instructions.bmp");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(instructions_page_header_ok(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 1);
}

}  // namespace
