// One-line entry fields: cells of 8 x 8 pixels in the default font, colour 3 on colour 0, an
// inverted cell as the cursor, and the editing keys. Each operation does nothing unless the gadget
// is an entry field with its EntryFieldInfo.
#pragma once

#include <cstdint>

#include "ui/gadget.h"

// Hides the active field's cursor, shows g's at its pos and makes g the active field.
void string_gadget_activate(Gadget* g);
// Redraws the visible cells, recounting the text and re-reading its value.
void string_gadget_draw(Gadget* g);
void string_gadget_show_cursor(Gadget* g, int32_t pos);
void string_gadget_hide_cursor(Gadget* g);
void string_gadget_draw_char(Gadget* g, uint8_t c, int32_t pos);
// One key c for the active field g: Enter ends the field (returns 1), the deleting and arrow keys
// edit, other characters are typed over the text when the field takes them. Returns 0 but for Enter.
int32_t entry_field_key(Gadget* g, uint8_t c);
