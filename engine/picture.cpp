#include "engine/picture.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/frame.h"
#include "engine/picture_decode.h"
#include "host/platform.h"

int32_t g_picture_file1 = -1;
int32_t g_picture_file2 = -1;
PictureDirEntry g_picture_directory[PICTURE_COUNT] = {};
uint8_t g_picture_palette[256][3] = {};

// A picture's palette is read here first; the load rule decides how much of it becomes current.
static uint8_t g_palette_staging[PICTURE_PALETTE_BYTES] = {};

static uint32_t read_u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

static uint16_t read_u16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// Positions a file at offset from its start; false when the offset cannot be reached.
static bool seek_to(int32_t handle, uint32_t offset) {
    if (handle < 0 || offset > INT32_MAX) return false;
    auto target = static_cast<int32_t>(offset);
    return dos_lseek(handle, target, DOS_SEEK_SET) == target;
}

int32_t picture_files_open(const char* name1, const char* name2) {
    picture_files_close();
    g_picture_file1 = dos_open(name1, DOS_O_RDONLY | DOS_O_BINARY);
    if (g_picture_file1 < 0) return 0;
    if (name2 != nullptr) {
        g_picture_file2 = dos_open(name2, DOS_O_RDONLY | DOS_O_BINARY);
        if (g_picture_file2 < 0) {
            std::string on_drive_b = std::string("B:\\") + name2;
            g_picture_file2 = dos_open(on_drive_b.c_str(), DOS_O_RDONLY | DOS_O_BINARY);
        }
        if (g_picture_file2 < 0) return 0;
    }
    uint8_t raw[PICTURE_DIRECTORY_BYTES];
    // A directory cut short is as unusable as one that cannot be read at all.
    if (dos_read(g_picture_file1, raw, sizeof raw) != PICTURE_DIRECTORY_BYTES) {
        std::memset(g_picture_directory, 0, sizeof g_picture_directory);
        return 0;
    }
    for (int32_t i = 0; i < PICTURE_COUNT; ++i) {
        const uint8_t* e = raw + 8 * i;
        g_picture_directory[i] = PictureDirEntry{read_u32(e), read_u16(e + 4), read_u16(e + 6)};
    }
    return 1;
}

void picture_files_close() {
    if (g_picture_file1 >= 0) dos_close(g_picture_file1);
    if (g_picture_file2 >= 0) dos_close(g_picture_file2);
    g_picture_file1 = -1;
    g_picture_file2 = -1;
}

// Reads the packed image in one block and decodes it; without memory for the block it decodes
// straight from the file. Only the bytes the file really holds are decoded.
static void decode_entry(const PictureDirEntry& entry, uint8_t* buffer) {
    int32_t file = entry.file == 1 ? g_picture_file2 : g_picture_file1;
    if (entry.size == 0 || !seek_to(file, entry.offset)) return;
    auto* packed = static_cast<uint8_t*>(std::malloc(entry.size));
    if (packed == nullptr) {
        picture_decode_file(file, entry.size, buffer);
        return;
    }
    int32_t got = dos_read(file, packed, entry.size);
    if (got > 0) picture_decode(packed, static_cast<uint32_t>(got), buffer);
    std::free(packed);
}

// When any of the palette's first 32 bytes is set the whole palette is taken; otherwise the
// cycling colours 32..63 (triples 0..31) keep their values and only bytes 96.. are taken.
static void take_palette(int32_t n) {
    uint32_t offset = PICTURE_DIRECTORY_BYTES + static_cast<uint32_t>(n - 1) * PICTURE_PALETTE_BYTES;
    if (seek_to(g_picture_file1, offset)) dos_read(g_picture_file1, g_palette_staging, PICTURE_PALETTE_BYTES);
    bool any_set = false;
    for (int32_t i = 0; i < 32; ++i) any_set = any_set || g_palette_staging[i] != 0;
    int32_t from = any_set ? 0 : 96;
    std::memcpy(&g_picture_palette[0][0] + from, g_palette_staging + from,
                static_cast<size_t>(PICTURE_PALETTE_BYTES - from));
    palette_set_picture_colours(&g_picture_palette[0][0]);
}

int32_t picture_load(int32_t n, uint8_t* buffer) {
    if (n < 1 || n > PICTURE_COUNT) return -1;
    decode_entry(g_picture_directory[n - 1], buffer);
    take_palette(n);
    return 0;
}
