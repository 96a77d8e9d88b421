#include "ui/entry_field.h"

#include <algorithm>
#include <cstring>

#include "engine/draw.h"
#include "engine/font.h"
#include "ui/boxes_shown.h"

namespace {

constexpr int32_t CELL = ENTRY_FIELD_CELL;
constexpr int32_t MAX_VISIBLE = 40;

int32_t cell_x(const Gadget* g, const EntryFieldInfo* info, int32_t index) {
    return g->left + 1 + (index - info->first) * CELL;
}

void invert_cell(const Gadget* g, const EntryFieldInfo* info, int32_t index) {
    int32_t x = cell_x(g, info, index);
    int32_t y = g->top + 1;
    invert_rect(x, y, x + CELL - 1, y + CELL - 1);
}

// The text read as a signed decimal ("%ld"): blanks, a sign, then at least one digit; a 32-bit
// value, wrapping like the C library's 32-bit long. Left unchanged without a number.
void update_value(EntryFieldInfo* info) {
    const char* p = info->buffer;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return;
    uint32_t v = 0;
    for (; *p >= '0' && *p <= '9'; ++p) v = v * 10u + static_cast<uint32_t>(*p - '0');
    info->value = static_cast<int32_t>(negative ? 0u - v : v);
}

// Scrolls the view by delta cells. The cursor is hidden first: redrawing the cells under a shown
// cursor and inverting its cell back afterwards would leave a stray inverted cell.
void scroll(Gadget* g, EntryFieldInfo* info, int32_t delta) {
    string_gadget_hide_cursor(g);
    info->first = static_cast<int16_t>(info->first + delta);
    string_gadget_draw(g);
}

void delete_before_cursor(Gadget* g, EntryFieldInfo* info) {
    int32_t pos = info->pos;
    if (pos <= 0) return;
    if (pos - info->first <= 0) scroll(g, info, -1);
    string_gadget_hide_cursor(g);
    char* b = info->buffer;
    if (pos == info->length) {
        string_gadget_draw_char(g, ' ', pos - 1);
        b[pos - 1] = '\0';
        string_gadget_show_cursor(g, pos - 1);
        info->length = static_cast<int16_t>(info->length - 1);
    } else {
        int32_t i = pos;
        for (; i < info->max - 1 && b[i] != '\0'; ++i) b[i - 1] = b[i];
        b[i - 1] = '\0';
        string_gadget_draw(g);
        string_gadget_show_cursor(g, pos - 1);
    }
    update_value(info);
}

bool refused(const Gadget* g, uint8_t c) {
    bool digit_or_minus = (c >= '0' && c <= '9') || c == '-';
    return ((g->activation & GADGET_INTEGER) || c < 32 || c >= 128) && !digit_or_minus;
}

void type_over(Gadget* g, EntryFieldInfo* info, uint8_t c) {
    int32_t pos = info->pos;
    if (pos + 1 >= info->max) return;
    if (pos - info->first + 1 >= info->visible) scroll(g, info, 1);
    string_gadget_show_cursor(g, pos + 1);
    string_gadget_draw_char(g, c, pos);
    info->buffer[pos] = static_cast<char>(c);
    if (pos == info->length) {
        info->buffer[pos + 1] = '\0';
        info->length = static_cast<int16_t>(info->length + 1);
    }
    update_value(info);
}

}  // namespace

void string_gadget_activate(Gadget* g) {
    EntryFieldInfo* info = gadget_entry_info(g);
    if (info == nullptr) return;
    if (g_active_entry_field != nullptr) string_gadget_hide_cursor(g_active_entry_field);
    string_gadget_show_cursor(g, info->pos);
    g_active_entry_field = g;
}

void string_gadget_draw(Gadget* g) {
    EntryFieldInfo* info = gadget_entry_info(g);
    if (info == nullptr) return;
    int32_t visible = std::min({g->width / CELL, MAX_VISIBLE, info->max - 1});
    info->visible = static_cast<int16_t>(visible);
    info->length = static_cast<int16_t>(strnlen(info->buffer, static_cast<size_t>(std::max(info->max - 1, 0))));
    set_draw_color(0);
    if (visible > 0) fill_rect(g->left + 1, g->top + 1, g->left + visible * CELL, g->top + CELL);
    char shown[MAX_VISIBLE + 1] = {};
    int32_t count = std::clamp(info->length - info->first, 0, std::max(visible, 0));
    if (count > 0) std::memcpy(shown, info->buffer + info->first, static_cast<size_t>(count));
    set_draw_color(3);
    font_draw_text(&g_default_font, shown, g->left + 1, g->top + 1);
    update_value(info);
}

void string_gadget_show_cursor(Gadget* g, int32_t pos) {
    EntryFieldInfo* info = gadget_entry_info(g);
    if (info == nullptr) return;
    Gadget* active = g_active_entry_field;
    if (active != nullptr && (active->flags & GADGET_CURSOR_ON)) {
        if (EntryFieldInfo* a = gadget_entry_info(active)) invert_cell(active, a, a->pos);
        active->flags &= static_cast<uint16_t>(~GADGET_CURSOR_ON);
    }
    if (g->flags & GADGET_CURSOR_ON) return;
    info->pos = static_cast<int16_t>(pos);
    invert_cell(g, info, pos);
    g->flags |= GADGET_CURSOR_ON;
}

void string_gadget_hide_cursor(Gadget* g) {
    EntryFieldInfo* info = gadget_entry_info(g);
    if (info == nullptr || !(g->flags & GADGET_CURSOR_ON)) return;
    invert_cell(g, info, info->pos);
    g->flags &= static_cast<uint16_t>(~GADGET_CURSOR_ON);
}

void string_gadget_draw_char(Gadget* g, uint8_t c, int32_t pos) {
    EntryFieldInfo* info = gadget_entry_info(g);
    if (info == nullptr) return;
    int32_t x = cell_x(g, info, pos);
    int32_t y = g->top + 1;
    set_draw_color(0);
    fill_rect(x, y, x + CELL - 1, y + CELL - 1);
    set_draw_color(3);
    font_draw_char(&g_default_font, c, x, y);
}

int32_t entry_field_key(Gadget* g, uint8_t c) {
    EntryFieldInfo* info = gadget_entry_info(g);
    if (info == nullptr) return 0;
    switch (c) {
        case 13:
            string_gadget_hide_cursor(g);
            g_active_entry_field = nullptr;
            update_value(info);
            return 1;
        case 127:
        case 8:
        case 46:  // the Delete key, and also the typed '.'
            delete_before_cursor(g, info);
            return 0;
        case 37:  // the Left arrow, and also the typed '%'
            if (info->pos > 0) {
                if (info->pos - info->first <= 0) scroll(g, info, -1);
                string_gadget_show_cursor(g, info->pos - 1);
            }
            return 0;
        case 39:  // the Right arrow, and also the typed '\''
            if (info->pos < info->length) {
                if (info->pos - info->first + 1 >= info->visible) scroll(g, info, 1);
                string_gadget_show_cursor(g, info->pos + 1);
            }
            return 0;
        case 0: return 0;
        default:
            if (!refused(g, c)) type_over(g, info, c);
            return 0;
    }
}
