// The palette of the main screen, shared with the letter paper that is laid over the map. Every
// block of 16 colours is one ramp from dark to light, so that the side buttons, which the game
// inverts when they are pressed (index k becomes 15 - k within its block), show a clean negative.
#include "assets/art_main.h"

void main_screen_palette(PictureImage* image) {
    for (int32_t i = 0; i < PICTURE_SHOWN_TRIPLES * 3; ++i) image->palette[i] = 0;
    paint_palette_set(image, MS_KEY, 63, 0, 63);
    // The sea is a light steel blue, so that dark blue, green, cyan and brown ship icons with
    // their black outlines and the white wind numbers all stand out on it.
    main_ramp(image, MS_SEA, 15, 16, 30, 44, 36, 50, 58);
    main_ramp(image, MS_LAND, 8, 14, 24, 8, 34, 42, 18);
    main_ramp(image, MS_LAND + 8, 8, 36, 40, 20, 54, 48, 32);
    main_ramp(image, MS_DESERT, 16, 30, 22, 10, 60, 52, 34);
    main_ramp(image, MS_ICE, 16, 30, 36, 46, 63, 63, 63);
    main_ramp(image, MS_STEEL, 16, 4, 6, 10, 54, 58, 62);
    main_ramp(image, MS_BRASS, 8, 12, 7, 2, 50, 36, 10);
    main_ramp(image, MS_BRASS + 8, 8, 53, 40, 13, 63, 60, 36);
    main_ramp(image, MS_WOOD, 16, 8, 4, 2, 44, 28, 14);
    main_ramp(image, MS_PAPER, 8, 26, 20, 11, 52, 44, 30);
    main_ramp(image, MS_PAPER + 8, 8, 54, 47, 33, 63, 61, 52);
    main_ramp(image, MS_RED, 16, 12, 0, 0, 63, 42, 34);
    main_ramp(image, MS_GREEN, 16, 0, 10, 2, 42, 63, 42);
    main_ramp(image, MS_BLUE, 16, 2, 6, 18, 44, 56, 63);
    main_ramp(image, MS_INK, 16, 6, 3, 1, 44, 30, 16);
    main_ramp(image, MS_GREY, 16, 3, 3, 4, 60, 60, 60);
}
