// Letters to a shipowner: typed out one character per tick on a sheet of paper over the world
// map, closed only by their OK button, Enter or a yes letter.
#pragma once

#include <cstdint>

#include "ui/gadget.h"
#include "ui/requester.h"

constexpr int32_t LETTER_SHEET_PICTURE = 37;

struct Shipowner;
struct Ship;

extern Gadget g_letter_ok_gadget;

// Brings up the world map under a letter and blinks its ship. The map is drawn above the toolkit,
// so the screens library installs it (views_reset); without one a letter is typed on a blank
// screen.
using LetterMapShow = void (*)(int32_t player, Shipowner* shipowner, Ship* ship);
extern LetterMapShow g_letter_map_show;

// ship may be null. keep_screen non-zero types the letter onto what is on screen, without the
// map and the sheet. The screen is not restored afterwards: the caller redraws.
void letter_show(int32_t player, Shipowner* shipowner, Ship* ship, TextLines lines, int32_t keep_screen);
