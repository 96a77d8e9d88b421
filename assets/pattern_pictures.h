// Pattern pictures for the tests of the picture writer: each a simple pattern that tells the pictures
// apart on screen, and one palette shared by all (so pictures shown together always match).
#pragma once

#include <cstdint>

#include "assets/picture_writer.h"

// Paints picture n (1..45).
void paint_pattern_picture(int32_t n, PictureImage* image);
