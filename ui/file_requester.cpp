#include "ui/file_requester.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "engine/draw.h"
#include "engine/font.h"
#include "engine/input.h"
#include "engine/save_stack.h"
#include "host/platform.h"
#include "lang/lang.h"
#include "ui/entry_field.h"
#include "ui/file_list.h"
#include "ui/gadget.h"
#include "ui/gadget_poll.h"
#include "ui/slider.h"

namespace {

// The rectangle one pixel around the file field.
const int16_t kFileFramePoints[] = {0, 0, 241, 0, 241, 11, 0, 11, 0, 0};
GadgetBorder g_file_frame = {-1, -1, 2, 5, kFileFramePoints, nullptr};

// The OK and Cancel buttons: a rectangle inside an octagon.
const int16_t kButtonBoxPoints[] = {0, 0, 50, 0, 50, 9, 0, 9, 0, 0};
const int16_t kButtonOctagonPoints[] = {2, -2, 48, -2, 52, 2, 52, 7, 48, 11, 2, 11, -2, 7, -2, 2, 2, -2};
GadgetBorder g_button_octagon = {0, 0, 2, 9, kButtonOctagonPoints, nullptr};
GadgetBorder g_button_border = {0, 0, 3, 5, kButtonBoxPoints, &g_button_octagon};

GadgetImage g_knob_image = {0, 0, 18, 1, 0, nullptr, 2, nullptr};

GadgetText g_file_label = {15, 0, 0, -40, 0, nullptr, nullptr, nullptr};
GadgetText g_drawer_label = {3, 0, 0, -60, 0, nullptr, nullptr, nullptr};
GadgetText g_cancel_label = {0, 0, 0, 1, 1, nullptr, nullptr, nullptr};
GadgetText g_ok_label = {0, 0, 0, 1, 1, nullptr, nullptr, nullptr};

EntryFieldInfo g_file_info = {};
EntryFieldInfo g_drawer_info = {};
SliderInfo g_list_slider_info = {};

Gadget g_file_field = {};
Gadget g_slot_buttons[FILE_SLOTS] = {};
Gadget g_drawer_field = {};
Gadget g_list_slider = {};
Gadget g_cancel_button = {};
Gadget g_ok_button = {};

Gadget make_gadget(int16_t left, int16_t top, int16_t width, int16_t height, uint16_t flags, uint16_t type, void* render,
                   GadgetText* text, void* special, uint16_t id) {
    return Gadget{nullptr, left, top, width, height, flags, 0, type, render, nullptr, text, special, id};
}

// Sets every record up afresh and adds the gadgets in layout order, so that OK ends up first.
void add_gadgets(char* file_buf, char* drawer_buf) {
    g_file_info = EntryFieldInfo{file_buf, 0, FILE_FIELD_SIZE, 0, 0, 0, 0};
    g_drawer_info = EntryFieldInfo{drawer_buf, 0, DRAWER_FIELD_SIZE, 0, 0, 0, 0};
    g_file_label.text = lang_text(TXT_FILE_REQUESTER_FILE);
    g_drawer_label.text = lang_text(TXT_FILE_REQUESTER_DRAWER);
    g_cancel_label.text = lang_text(TXT_FILE_REQUESTER_CANCEL);
    g_ok_label.text = lang_text(TXT_FILE_REQUESTER_OK);

    g_file_field = make_gadget(60, 85, 240, 10, GADGET_HIGHLIGHT_BOX, GADGET_ENTRY_FIELD, &g_file_frame, &g_file_label,
                               &g_file_info, FILE_REQ_FILE);
    gadget_add(&g_file_field);
    for (int32_t slot = FILE_SLOTS - 1; slot >= 0; --slot) {
        g_slot_buttons[slot] = make_gadget(10, static_cast<int16_t>(30 + 10 * slot), 270, 10, GADGET_HIGHLIGHT_BOX,
                                           GADGET_BUTTON, nullptr, &g_file_slot_texts[slot], nullptr,
                                           static_cast<uint16_t>(FILE_REQ_SLOT_0 + slot));
        gadget_add(&g_slot_buttons[slot]);
    }
    g_drawer_field = make_gadget(80, 19, 190, 10, GADGET_HIGHLIGHT_BOX, GADGET_ENTRY_FIELD, nullptr, &g_drawer_label,
                                 &g_drawer_info, FILE_REQ_DRAWER);
    gadget_add(&g_drawer_field);
    g_list_slider = make_gadget(281, 20, 20, 60, GADGET_HIGHLIGHT_BOX | GADGET_IMAGE_RENDERS, GADGET_SLIDER,
                                &g_knob_image, nullptr, &g_list_slider_info, FILE_REQ_SLIDER);
    gadget_add(&g_list_slider);
    g_cancel_button = make_gadget(250, 100, 50, 10, GADGET_HIGHLIGHT_BOX, GADGET_BUTTON, &g_button_border,
                                  &g_cancel_label, nullptr, FILE_REQ_CANCEL);
    gadget_add(&g_cancel_button);
    g_ok_button = make_gadget(20, 100, 50, 10, GADGET_HIGHLIGHT_BOX, GADGET_BUTTON, &g_button_border, &g_ok_label,
                              nullptr, FILE_REQ_OK);
    gadget_add(&g_ok_button);
}

// Lists the drawer's files from the top; the knob and the paging step cover five slots.
void list_files(const char* drawer_buf, int32_t* shown_first) {
    file_list_build(drawer_buf);
    *shown_first = 0;
    file_list_show_from(0);
    g_file_count = std::max(g_file_count, FILE_SLOTS);
    g_list_slider_info.vbody = static_cast<uint16_t>(327675 / g_file_count);
    g_knob_image.height = static_cast<int16_t>(std::max(1, 290 / g_file_count));
}

// A slot's name into the file field, cut to what the field holds.
void take_slot(int32_t slot, char* file_buf) {
    const char* name = g_file_slot_texts[slot].text != nullptr ? g_file_slot_texts[slot].text : "";
    std::snprintf(file_buf, FILE_FIELD_SIZE, "%s", name);
}

void draw_frame(const char* title) {
    set_draw_color(15);
    draw_rect_outline(3, 9, 316, 117);
    set_draw_color(7);
    fill_rect(4, 10, 315, 116);
    set_draw_color(0);
    int32_t width = font_text_width(&g_default_font, title);
    font_draw_text(&g_default_font, title, (320 - width) >> 1, 11);
}

}  // namespace

int32_t file_requester(const char* title, char* file_buf, char* drawer_buf, char* path_out) {
    int32_t result = 0;
    Gadget* kept = g_gadget_list;
    gadget_remove_all();
    screen_area_push(3, 9, 316, 117);

    g_list_slider_info = SliderInfo{SLIDER_VERTICAL, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (GadgetText& slot : g_file_slot_texts) slot.text = "";
    int32_t shown_first = 0;
    list_files(drawer_buf, &shown_first);
    draw_frame(title != nullptr ? title : "");
    add_gadgets(file_buf, drawer_buf);
    gadgets_refresh();
    string_gadget_activate(&g_drawer_field);

    for (bool done = false; !done;) {
        int32_t x = 0;
        int32_t y = 0;
        mouse_get_position(&x, &y);  // paces the loop
        int64_t first = static_cast<int64_t>(g_list_slider_info.vpot) * (g_file_count - FILE_SLOTS) / 65535;
        first = std::clamp<int64_t>(first, 0, g_file_count);
        if (first != shown_first) {
            shown_first = static_cast<int32_t>(first);
            file_list_show_from(shown_first);
            gadgets_refresh();
        }

        int32_t code = 0;
        int32_t event_class = GADGET_EVENT_NONE;
        if (gadget_poll_event(&code, &event_class) == 1 && event_class == GADGET_EVENT_UP) {
            if (code == FILE_REQ_OK) {
                result = 1;
                break;
            }
            if (code == FILE_REQ_CANCEL) {
                result = 0;
                break;
            }
            if (code == FILE_REQ_DRAWER) {
                file_list_free();
                g_list_slider_info.vpot = 0;
                list_files(drawer_buf, &shown_first);
                gadgets_refresh();
                string_gadget_activate(&g_file_field);
            } else if (code >= FILE_REQ_SLOT_0 && code < FILE_REQ_SLOT_0 + FILE_SLOTS) {
                take_slot(code - FILE_REQ_SLOT_0, file_buf);
                gadgets_refresh();
            }
        }

        if (g_last_key == 13) {
            result = 1;
            done = true;
        } else if (g_last_key == 'c') {
            result = 0;
            done = true;
        } else if (g_last_key != 0) {
            gadgets_refresh();
            string_gadget_activate(&g_drawer_field);
        }
        if (done) break;

        SliderInfo& s = g_list_slider_info;
        uint8_t raw = g_last_key_raw;
        if (raw == 'P') {
            s.vpot = static_cast<uint16_t>(std::min(65535, s.vpot + s.vbody));
            gadgets_refresh();
        } else if (raw == 'H') {
            s.vpot = static_cast<uint16_t>(s.vpot < s.vbody ? 0 : s.vpot - s.vbody);
            gadgets_refresh();
        } else if (raw >= ';' && raw <= '?') {
            take_slot(raw - ';', file_buf);
            gadgets_refresh();
            string_gadget_activate(&g_file_field);
        }
    }

    gadget_remove_all();
    file_list_free();
    screen_area_pop();
    g_gadget_list = kept;
    gadgets_refresh();

    char drive[DOS_MAX_DRIVE];
    char dir[DOS_MAX_DIR];
    dos_splitpath(drawer_buf, drive, dir, nullptr, nullptr);
    size_t used = 0;
    for (const char* part : {static_cast<const char*>(drive), static_cast<const char*>(dir), static_cast<const char*>(file_buf)}) {
        size_t n = std::min(std::strlen(part), static_cast<size_t>(FILE_REQUESTER_PATH_SIZE - 1) - used);
        std::memcpy(path_out + used, part, n);
        used += n;
    }
    path_out[used] = '\0';
    return result;
}
