// A plain 32-bit picture (0xAARRGGBB per pixel) that the host paints its menu strip and dialogs
// into, with the game's sys13 glyphs for text. Everything is clipped to the canvas.
#pragma once

#include <cstdint>

struct Canvas {
    uint32_t* pixels;  // width * height, row-major; owned by the caller
    int32_t width;
    int32_t height;
};

void canvas_fill(Canvas* c, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour);
// A one-pixel frame: light on the left and top, dark on the right and bottom.
void canvas_frame(Canvas* c, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t light, uint32_t dark);
// Copies a w x h block of pixels to (x, y).
void canvas_blit(Canvas* c, int32_t x, int32_t y, const uint32_t* src, int32_t w, int32_t h);

// Text in Latin-1. An '&' underlines the character after it (a menu mnemonic) and is not drawn
// itself; "&&" draws one '&'. y is the top of the text's cell. Returns the width drawn.
int32_t canvas_text(Canvas* c, int32_t x, int32_t y, const char* text, uint32_t colour);
// The width canvas_text would draw, and the height of a line.
int32_t host_text_width(const char* text);
int32_t host_text_height();
// The character after the first single '&', lower-cased; 0 when there is none.
uint32_t text_mnemonic(const char* text);
