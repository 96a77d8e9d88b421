// Feeds arbitrary bytes to the picture files' reader: the input is both files, a little-endian
// 32-bit length of the first file, then the first file, then the second. Whatever they hold,
// opening them and loading every picture stays inside the 64000-byte buffer and the palette, and a
// packed image decodes to the same pixels from memory as straight from the file (the path taken
// when there is no memory for the packed block).
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/picture_decode.h"
#include "fuzz/fuzz_support.h"
#include "host/platform.h"

namespace {

constexpr char kTarget[] = "picture reader";
constexpr char kFirst[] = "fuzz1.dat";
constexpr char kSecond[] = "fuzz2.dat";

uint8_t* s_buffer = nullptr;
uint8_t* s_from_file = nullptr;

// Decoding from the file reads once per code: it is compared for the first few pictures with data.
constexpr int32_t kBothPathsPerInput = 1;

// Decodes entry n - 1 both ways, starting from the same buffer contents, and compares. 1 when the
// entry had packed bytes to decode.
int32_t check_both_paths(int32_t n) {
    const PictureDirEntry& e = g_picture_directory[n - 1];
    int32_t file = e.file == 1 ? g_picture_file2 : g_picture_file1;
    if (e.offset > INT32_MAX || dos_lseek(file, static_cast<int32_t>(e.offset), DOS_SEEK_SET) < 0) return 0;
    static uint8_t packed[UINT16_MAX];
    int32_t got = dos_read(file, packed, e.size);
    if (got <= 0) return 0;
    std::memset(s_buffer, 0x5A, PICTURE_BYTES);
    std::memset(s_from_file, 0x5A, PICTURE_BYTES);
    int32_t written = picture_decode(packed, static_cast<uint32_t>(got), s_buffer);
    dos_lseek(file, static_cast<int32_t>(e.offset), DOS_SEEK_SET);
    int32_t written_from_file = picture_decode_file(file, e.size, s_from_file);
    fuzz_check(written == written_from_file, kTarget, "the two decoding paths write different lengths");
    fuzz_check(written >= 0 && written <= PICTURE_BYTES, kTarget, "decoded length");
    fuzz_check(std::memcmp(s_buffer, s_from_file, PICTURE_BYTES) == 0, kTarget,
               "the two decoding paths give different pixels");
    return 1;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz_enter_scratch_dir();
    // Buffers of exactly one picture, so that any byte written beyond is caught.
    s_buffer = static_cast<uint8_t*>(std::malloc(PICTURE_BYTES));
    s_from_file = static_cast<uint8_t*>(std::malloc(PICTURE_BYTES));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    uint32_t first = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                     static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
    size_t rest = size - 4;
    size_t first_size = first < rest ? first : rest;
    fuzz_write_file(kFirst, data + 4, first_size);
    fuzz_write_file(kSecond, data + 4 + first_size, rest - first_size);

    int32_t opened = picture_files_open(kFirst, kSecond);
    fuzz_check(opened == 0 || opened == 1, kTarget, "result code of the open");
    if (opened == 1) {
        fuzz_check(picture_load(0, s_buffer) == -1 && picture_load(PICTURE_COUNT + 1, s_buffer) == -1, kTarget,
                   "a picture number outside 1..45 was loaded");
        int32_t compared = 0;
        for (int32_t n = 1; n <= PICTURE_COUNT; ++n) {
            fuzz_check(picture_load(n, s_buffer) == 0, kTarget, "result code of a load");
            if (compared < kBothPathsPerInput) compared += check_both_paths(n);
        }
    }
    picture_files_close();
    fuzz_check(g_picture_file1 == -1 && g_picture_file2 == -1, kTarget, "files left open");
    return 0;
}
