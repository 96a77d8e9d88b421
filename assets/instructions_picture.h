// The instructions picture of the window's Help box: 360 x 300 pixels in 16 colours, black text
// on white, drawn with the game's sys13 glyphs (the heading twice their size).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t INSTRUCTIONS_WIDTH = 360;
constexpr int32_t INSTRUCTIONS_HEIGHT = 300;
constexpr uint8_t INSTRUCTIONS_INK = 0;     // black
constexpr uint8_t INSTRUCTIONS_PAPER = 15;  // white

// The picture as colour indexes, row 0 at the top. False, with a message, when a line of text
// does not fit the picture.
bool instructions_render(std::vector<uint8_t>* pixels, std::string* error);
// The 16-colour palette: red, green, blue per entry.
extern const uint8_t g_instructions_palette[16][3];
// A 4-bit uncompressed Windows bitmap file of a 360 x 300 picture of indexes 0..15.
std::string instructions_bmp(const std::vector<uint8_t>& pixels);
