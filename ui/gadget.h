// Gadgets: the buttons, sliders and one-line entry fields of every screen. The records belong to
// their callers (static tables or records on the caller's stack); the toolkit only links them into
// one list, draws them and turns keys and the left button into events (gadget_poll.h).
#pragma once

#include <cstdint>

#include "engine/font.h"

// Gadget.flags: look and state.
enum : uint16_t {
    GADGET_HIGHLIGHT_BOX = 0x0001,     // highlight = invert the whole box
    GADGET_HIGHLIGHT_FRAME = 0x0002,   // highlight = invert only the one-pixel edge
    GADGET_HIGHLIGHT_RENDER = 0x0004,  // highlight = draw select_render instead of render
    GADGET_IMAGE_RENDERS = 0x0008,     // the renders are GadgetImage chains, else GadgetBorder chains
    GADGET_SELECTED = 0x0100,          // drawn highlighted now
    GADGET_POINTER_IN = 0x0200,        // the pointer is inside the pressed gadget
    GADGET_CURSOR_ON = 0x0800,         // the entry cursor is shown
};

// Gadget.activation: behaviour.
enum : uint16_t {
    GADGET_TOGGLE = 0x0001,   // the highlight flips at each press and stays at release
    GADGET_INTEGER = 0x0020,  // an entry field that takes only digits and '-'
};

// Gadget.type; any other value is a button (the game uses 1).
enum : uint16_t { GADGET_BUTTON = 1, GADGET_ENTRY_FIELD = 2, GADGET_SLIDER = 4 };

// Event classes of gadget_poll_event.
enum : int32_t { GADGET_EVENT_NONE = 0, GADGET_EVENT_DOWN = 1, GADGET_EVENT_UP = 2, GADGET_EVENT_KEY = 3 };

// A chain of labels.
struct GadgetText {
    uint8_t front_colour;
    uint8_t back_colour;
    uint8_t mode;  // 2 = fill the text's box with back_colour first; any other value draws the text alone
    int32_t left;  // offsets from the origin the drawer is given
    int32_t top;
    const Font* font;  // null = g_default_font
    const char* text;
    GadgetText* next;
};

// A chain of polylines.
struct GadgetBorder {
    int16_t left;  // added to every point
    int16_t top;
    int16_t colour;
    uint16_t count;         // points
    const int16_t* points;  // count pairs x, y
    GadgetBorder* next;
};

// A chain of boxes, each drawn as a solid box of its size.
struct GadgetImage {
    int16_t left;
    int16_t top;
    int16_t width;
    int16_t height;
    int16_t depth;
    const uint16_t* data;
    uint8_t fill_colour;
    GadgetImage* next;
};

// SliderInfo.flags.
enum : uint16_t {
    SLIDER_PLAIN_KNOB = 1,
    SLIDER_HORIZONTAL = 2,
    SLIDER_VERTICAL = 4,
    SLIDER_KNOB_HELD = 8,
    SLIDER_NO_FRAME = 16,
};

struct SliderInfo {
    uint16_t flags;
    uint16_t hpot;   // knob position 0..65535 along each axis
    uint16_t vpot;
    uint16_t hbody;  // knob size as a fraction of 65535, also the paging step
    uint16_t vbody;
    // Computed by slider_draw.
    uint16_t knob_width;
    uint16_t knob_height;
    uint16_t hstep;
    uint16_t vstep;
    uint16_t knob_x;  // knob offset inside the box
    uint16_t knob_y;
};

struct EntryFieldInfo {
    char* buffer;     // the caller's buffer of max bytes
    int16_t pos;      // cursor index
    int16_t max;      // buffer size including the NUL
    int16_t first;    // index of the first visible character
    int16_t length;   // characters in the buffer
    int16_t visible;  // cells shown
    int32_t value;    // the text read as a signed decimal; unchanged when it does not start with one
};

struct Gadget {
    Gadget* next;
    int16_t left;  // hit box: columns left..left+width-1, rows top..top+height-1
    int16_t top;
    int16_t width;
    int16_t height;
    uint16_t flags;
    uint16_t activation;  // bits beyond the two above are carried but never read
    uint16_t type;
    void* render;         // GadgetImage or GadgetBorder chain (GADGET_IMAGE_RENDERS), or null
    void* select_render;  // the same kind, or null
    GadgetText* text;     // labels drawn at the gadget's corner, or null
    void* special;        // SliderInfo of a slider, EntryFieldInfo of an entry field, else null
    uint16_t id;          // the event code
};

struct SliderGrab {
    int32_t x;
    int32_t y;
};

extern Gadget* g_gadget_list;
extern Gadget* g_pressed_gadget;
extern Gadget* g_active_entry_field;
extern int32_t g_previous_left_button;
// The low byte of the key taken by the last poll, 0 for none. g_last_key is cleared again when an
// active entry field consumed the key; g_last_key_raw keeps it.
extern uint8_t g_last_key;
extern uint8_t g_last_key_raw;
// The pointer's offset inside a grabbed slider knob.
extern SliderGrab g_slider_grab;

// Inserts g at the head of the list unless it is listed already (the last added is hit first).
void gadget_add(Gadget* g);
// Unlinks g, hiding its cursor when it is the active field and dropping its highlight when it is
// the pressed gadget (toggles keep theirs).
void gadget_remove(Gadget* g);
// Empties the list; the members keep their stale links.
void gadget_remove_all();
// Draws every listed gadget; the active field's cursor ends up at position 0.
void gadgets_refresh();
int32_t point_in_rect(int32_t x, int32_t y, int32_t x0, int32_t y0, int32_t x1, int32_t y1);

// The gadget's info record when it has the type, else null.
SliderInfo* gadget_slider_info(const Gadget* g);
EntryFieldInfo* gadget_entry_info(const Gadget* g);
// The highlight flip of a press or of the pointer leaving or re-entering the pressed gadget.
void gadget_flip_highlight(Gadget* g);
