#include "engine/picture_decode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/platform.h"
#include "tests/harness/harness.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes repeat(int32_t count, uint8_t value) {
    return {static_cast<uint8_t>(static_cast<int8_t>(1 - count)), value};
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// One row of 320 pixels of one value in three repeat codes.
Bytes flat_row(uint8_t value) {
    return repeat(128, value) + repeat(128, value) + repeat(64, value);
}

constexpr uint8_t kUntouched = 0xEE;

struct Decoded {
    int32_t written;
    Bytes out;
};

Decoded decode_memory(const Bytes& packed) {
    Decoded d{0, Bytes(PICTURE_BYTES, kUntouched)};
    d.written = picture_decode(packed.data(), static_cast<uint32_t>(packed.size()), d.out.data());
    return d;
}

// Decodes through a file holding packed followed by trailing junk that must not be read.
Decoded decode_file(const Bytes& packed) {
    Bytes on_disk = packed + Bytes(300, 0x80);
    harness_write_file("packed.bin", std::string(on_disk.begin(), on_disk.end()));
    int32_t f = dos_open("packed.bin", DOS_O_RDONLY);
    Decoded d{0, Bytes(PICTURE_BYTES, kUntouched)};
    d.written = picture_decode_file(f, static_cast<uint32_t>(packed.size()), d.out.data());
    dos_close(f);
    return d;
}

TEST(PictureDecodeTest, CodesWriteTheirRuns) {
    struct Case {
        const char* name;
        Bytes packed;
        Bytes expect;  // the bytes written, nothing after them
    } cases[] = {
        {"literal of three", {0x02, 7, 8, 9}, {7, 8, 9}},
        {"literal of two", {0x01, 200, 1}, {200, 1}},
        {"repeat of one", {0x00, 5}, {5}},
        {"repeat of three", {0xFE, 6}, {6, 6, 6}},
        {"-128 repeats 129 times", {0x80, 4}, Bytes(129, 4)},
        {"-127 repeats 128 times", {0x81, 3}, Bytes(128, 3)},
        {"literal of 128", Bytes{0x7F} + Bytes(128, 9), Bytes(128, 9)},
        {"codes follow each other", {0xFF, 1, 0x01, 2, 3, 0x00, 4}, {1, 1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        for (const Decoded& d : {decode_memory(c.packed), decode_file(c.packed)}) {
            ASSERT_EQ(d.written, static_cast<int32_t>(c.expect.size())) << c.name;
            EXPECT_EQ(Bytes(d.out.begin(), d.out.begin() + d.written), c.expect) << c.name;
            EXPECT_EQ(d.out[d.written], kUntouched) << c.name;
        }
    }
}

TEST(PictureDecodeTest, AWellFormedPictureFillsTheBufferRowByRow) {
    Bytes packed;
    for (int32_t y = 0; y < PICTURE_ROWS; ++y) packed = packed + flat_row(static_cast<uint8_t>(y));
    Decoded d = decode_memory(packed);
    ASSERT_EQ(d.written, PICTURE_BYTES);
    for (int32_t y = 0; y < PICTURE_ROWS; ++y) {
        EXPECT_EQ(d.out[y * 320], y);
        EXPECT_EQ(d.out[y * 320 + 319], y);
    }
}

// A run passing a row's end spills into the next row, which still counts 320 from its next code;
// the code that would then pass the 64000th byte ends the decoding.
TEST(PictureDecodeTest, RunsSpillIntoTheNextRowButNeverPassTheBuffer) {
    Bytes packed = repeat(129, 1) + repeat(129, 1) + repeat(100, 2);  // 358 pixels in row 0
    for (int32_t y = 1; y < PICTURE_ROWS; ++y) packed = packed + flat_row(3);
    for (const Decoded& d : {decode_memory(packed), decode_file(packed)}) {
        EXPECT_EQ(d.written, 358 + 198 * 320 + 256);
        EXPECT_EQ(d.out[257], 1);
        EXPECT_EQ(d.out[319], 2);
        EXPECT_EQ(d.out[357], 2);  // the spill, in the first 38 bytes of row 1
        EXPECT_EQ(d.out[358], 3);
        EXPECT_EQ(d.out[d.written - 1], 3);
        EXPECT_EQ(d.out[d.written], kUntouched);  // the last 64-pixel code would not fit
        EXPECT_EQ(d.out[PICTURE_BYTES - 1], kUntouched);
    }
}

TEST(PictureDecodeTest, CutOrOverlongDataStopsAtTheLastWholeCode) {
    Bytes two_rows = flat_row(5) + flat_row(6);
    struct Case {
        const char* name;
        Bytes packed;
        int32_t written;
    } cases[] = {
        {"empty", {}, 0},
        {"literal missing a byte", {0x01, 7, 0x02, 1, 2}, 2},
        {"repeat without its byte", {0xFE, 7, 0xFE}, 3},
        {"code byte alone", {0x05}, 0},
        {"rows cut after two", two_rows, 640},
        {"literal of 128 that would pass the end",
         [] {
             Bytes p;
             for (int32_t y = 0; y < PICTURE_ROWS - 1; ++y) p = p + flat_row(1);
             p = p + repeat(129, 1) + repeat(129, 1) + repeat(60, 1);  // 318 pixels: two short of the end
             return p + Bytes{0x7F} + Bytes(128, 2);
         }(),
         PICTURE_BYTES - 2},
    };
    for (const Case& c : cases) {
        for (const Decoded& d : {decode_memory(c.packed), decode_file(c.packed)}) {
            EXPECT_EQ(d.written, c.written) << c.name;
            if (c.written < PICTURE_BYTES) {
                EXPECT_EQ(d.out[c.written], kUntouched) << c.name;
            }
        }
    }
}

}  // namespace
