// Whether every text the game draws stays inside its box.
//
// How it is detected: the font's test seam (g_glyph_drawn_hook) reports every glyph with the box of
// the pixels it sets, before the screen's clipping. Glyphs are joined into texts: one
// font_draw_text call, or glyphs drawn one by one where each starts at the pen the previous one
// left (a letter typed out). A text belongs to the innermost box around its first pen position,
// the boxes as the toolkit holds them at that moment:
//   - on an open message box or question: its buttons, then its frame;
//   - on a letter being typed: its OK button, then the sheet;
//   - else the listed buttons and entry fields (hot zones without a label aside), then the boxes
//     of the screen's table.
// Every pixel of the text must lie in that box's inner area: a button's face inside its frame (its
// gadget's rectangle), the cells an entry field shows, a table box or a message box inside its
// one-pixel frame, the letter sheet. The one exception is the row of the frame's bottom line: a
// box lower than its font lets the glyphs' lowest row touch it whatever the text, so such boxes
// are listed apart, the same in every build.
// Besides, at every sleep of the game thread, the texts drawn on the layer shown (the box, the
// letter or the screen) must keep out of that layer's buttons and fields that their first pen
// position is not in: a label must not run under the entry field beside it, which is added after
// the label is drawn. A text that starts in no box must stay on the screen and out of the buttons
// and fields; those texts are counted apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TextBoxFault {
    std::string where;  // the script's stage
    std::string kind;   // "button", "field", "box", "message box", "letter", "screen"
    std::string text;   // as far as it was drawn, in the build's bytes
    int32_t box[4];     // the inner area: x0, y0, x1, y1
    int32_t pixels[4];  // the text's pixels: x0, y0, x1, y1
    std::string into;   // for a text that ran into another gadget: its rectangle
};

struct TextBoxStage {
    std::string name;
    int32_t texts = 0;       // texts checked, each box kind together
    int32_t free_texts = 0;  // of which started in no box
    int32_t message_boxes = 0;
    int32_t letters = 0;
    int32_t screens = 0;  // distinct layouts of buttons and boxes
};

// Installs the font's seam; every text drawn from now on is checked.
void text_box_check_start();
void text_box_check_stop();
// Names the stage the following texts are counted under.
void text_box_check_stage(const char* name);
// At a sleep of the game thread: the texts of the layer shown against its gadgets.
void text_box_check_sleep();
const std::vector<TextBoxFault>& text_box_faults();
// The boxes whose text reached the bottom line of their frame by one row and no further, each once
// (with the first such text): a box lower than its font, not a text too long.
const std::vector<TextBoxFault>& text_box_low_boxes();
const std::vector<TextBoxStage>& text_box_stages();
std::string text_box_fault_line(const TextBoxFault& f);
