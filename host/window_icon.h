// The window's icon: the ship's bow of the game's intro (picture 35 of the picture files, its
// 124 x 196 sprite, colour 32 clear), shrunk to a square icon with soft edges.
#pragma once

#include <cstdint>
#include <vector>

constexpr int32_t WINDOW_ICON_SIZE = 64;

// Paints the icon (0xAARRGGBB, WINDOW_ICON_SIZE squared) from a decoded 320 x 200 picture and the
// picture's palette as stored in the picture file (224 triples of 6-bit red, green, blue for
// colours 32..255); colours below 32 take the interface colours gui (32 triples).
std::vector<uint32_t> window_icon_paint(const uint8_t* picture, const uint8_t* palette, const uint8_t* gui);
// Reads picture 35 and its palette from the picture files through the game's file layer and paints
// the icon; empty when the files cannot be read.
std::vector<uint32_t> window_icon_from_picture_files();
