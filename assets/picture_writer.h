// Writer of the two picture data files: packs 45 pictures of 320 x 200 palette indexes and writes
// the first file (directory, 45 palettes, its packed images) and the second (the other packed images).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t PICTURE_IMAGE_COUNT = 45;
constexpr int32_t PICTURE_IMAGE_WIDTH = 320;
constexpr int32_t PICTURE_IMAGE_HEIGHT = 200;
constexpr int32_t PICTURE_IMAGE_PIXELS = PICTURE_IMAGE_WIDTH * PICTURE_IMAGE_HEIGHT;
// Palette triples a picture can show: triple k is screen colour 32 + k; the file's 32 further
// triples are never shown and are written as zeros.
constexpr int32_t PICTURE_SHOWN_TRIPLES = 224;
// Pictures 1..22 lie in the first file, 23..45 in the second.
constexpr int32_t PICTURES_IN_FIRST_FILE = 22;

struct PictureImage {
    uint8_t pixels[PICTURE_IMAGE_PIXELS];        // palette indexes, row by row
    uint8_t palette[PICTURE_SHOWN_TRIPLES * 3];  // 6-bit red, green, blue per triple
};

// Packs a picture row by row with the fewest bytes under two rules: every row ends exactly at its
// 320th pixel, and a run of one or two equal pixels never takes a two-byte repeat code (such
// pixels go into literal runs). Fails with a message when the result does not fit 65535 bytes or
// does not unpack to the picture.
bool pack_picture(const uint8_t* pixels, std::vector<uint8_t>* packed, std::string* error);
// A palette the game can load: 6-bit values, and bytes 0..31 not all zero (the game would keep
// the previous picture's colours 32..63 for such a palette).
bool check_picture_palette(const uint8_t* palette, std::string* error);
// Writes "IB1VGA.DAT" and "IB2VGA.DAT" into dir from images[0..44], images[n - 1] being picture n.
// 0 on success; otherwise prints what went wrong and returns 1.
int write_picture_pair(const std::string& dir, const PictureImage* images);
