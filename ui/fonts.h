// The game's four fonts besides the engine's default font. The start-up loads them from the
// working directory; until then their glyph data are null and they draw nothing.
#pragma once

#include "engine/font.h"

extern Font g_font_sys8;   // "sys8.fnt", the same face as g_default_font
extern Font g_font_sys13;  // "sys13.fnt": buttons, message boxes, screen texts
extern Font g_font_sys7b;  // "sys7b.fnt"
extern Font g_font_sys8b;  // "sys8b.fnt": letters
