// The two picture data files: 45 packed 320 x 200 pictures, each with its own palette. The first
// file holds the directory (45 entries of 8 bytes, entry n - 1 for picture n) and the 45 palettes
// (768 bytes each from offset 360); the packed images lie in either file where the entries point.
#pragma once

#include <cstdint>

constexpr int32_t PICTURE_COUNT = 45;
constexpr int32_t PICTURE_DIRECTORY_BYTES = PICTURE_COUNT * 8;
constexpr int32_t PICTURE_PALETTE_BYTES = 768;

struct PictureDirEntry {
    uint32_t offset;  // of the packed image within its file
    uint16_t size;    // packed bytes
    uint16_t file;    // 1 = the second file, any other value = the first
};

extern int32_t g_picture_file1;  // -1 while not open
extern int32_t g_picture_file2;  // -1 while not open
extern PictureDirEntry g_picture_directory[PICTURE_COUNT];
// The current picture's palette, 6-bit red, green, blue: triple k is colour 32 + k. Triples 0..31
// (colours 32..63) are the cycling range; triples 224..255 are never shown.
extern uint8_t g_picture_palette[256][3];

// Opens name1 and, when given, name2 (tried once more as "B:\name2"), then reads the directory.
// 1 on success; 0 when a file cannot be opened or the directory cannot be read whole.
int32_t picture_files_open(const char* name1, const char* name2);
void picture_files_close();
// Decodes picture n (1..45) into buffer (64000 bytes) and makes its palette current: 0, or -1 for
// a bad number (nothing changed then). Bad file contents never reach outside buffer or palette.
int32_t picture_load(int32_t n, uint8_t* buffer);
