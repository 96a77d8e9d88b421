// The painters of the game's 45 pictures, one per group of screens. Each fills the pictures of its
// group in images[], where images[n - 1] is picture n; pictures shown together share one palette.
#pragma once

#include "assets/picture_writer.h"

// Main screen and map, letter paper, title, intro, set-up, load and farewell:
// pictures 1, 9, 10, 35, 37, 38, 39, 40, 41.
void paint_main_pictures(PictureImage* images);
// Bunkering, offices, broker, statistics, elimination, repair, ship models, crown, lift panel,
// information, positions and ranking: pictures 2..8, 25..34, 42..45.
void paint_business_pictures(PictureImage* images);
// Incidents, manoeuvring sheet, port views, harbour sheet, gale, radar, sinking:
// pictures 11..24 and 36.
void paint_voyage_pictures(PictureImage* images);
