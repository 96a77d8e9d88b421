#include "host/host_dialogs.h"

#include "host/host_texts.h"
#include "host/view_geometry.h"

namespace {

constexpr uint32_t kFace = 0xFFD4D0C8;
constexpr uint32_t kLight = 0xFFFFFFFF;
constexpr uint32_t kShadow = 0xFF808080;
constexpr uint32_t kDark = 0xFF404040;
constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kSelection = 0xFF0A246A;
constexpr uint32_t kSelectedText = 0xFFFFFFFF;

bool inside_ok(const DialogLayout* d, int32_t x, int32_t y) {
    return x >= d->ok_x && x < d->ok_x + d->ok_w && y >= d->ok_y && y < d->ok_y + d->ok_h;
}

void paint_button(Canvas* c, int32_t x, int32_t y, int32_t w, int32_t h, const char* label, bool pressed) {
    canvas_fill(c, x, y, w, h, kFace);
    canvas_frame(c, x, y, w, h, kDark, kDark);  // the default button's outer border
    if (pressed) {
        canvas_frame(c, x + 1, y + 1, w - 2, h - 2, kShadow, kShadow);
    } else {
        canvas_frame(c, x + 1, y + 1, w - 2, h - 2, kLight, kDark);
        canvas_frame(c, x + 2, y + 2, w - 4, h - 4, kFace, kShadow);
    }
    int32_t shift = pressed ? 1 : 0;
    int32_t tx = x + (w - host_text_width(label)) / 2 + shift;
    int32_t ty = y + (h - host_text_height()) / 2 + shift;
    canvas_text(c, tx, ty, label, kText);
}

}  // namespace

void paint_emblem(Canvas* c, int32_t x, int32_t y) {
    // A sail on the sea.
    canvas_fill(c, x, y, 40, 40, kSelection);
    for (int32_t r = 0; r < 24; ++r) canvas_fill(c, x + 20 - r * 14 / 24, y + 4 + r, r * 14 / 24 + 1, 1, kLight);
    canvas_fill(c, x + 21, y + 4, 2, 28, kFace);
    canvas_fill(c, x + 6, y + 29, 28, 4, kShadow);
}

DialogLayout dialog_layout(DialogKind kind) {
    if (kind == DIALOG_ABOUT) return DialogLayout{345, 150, 147, 124, 52, 20, 0, 0};
    if (kind == DIALOG_START_FAILURE) return DialogLayout{460, 236, 204, 202, 52, 20, 0, 0};
    return DialogLayout{380, 360, 152, 324, 76, 24, 10, 12};
}

int32_t dialog_press(const DialogLayout* d, DialogState* s, int32_t x, int32_t y, bool* repaint) {
    s->ok_pressed = s->ok_inside = inside_ok(d, x, y);
    *repaint = s->ok_pressed;
    return 0;
}

int32_t dialog_motion(const DialogLayout* d, DialogState* s, int32_t x, int32_t y, bool* repaint) {
    bool inside = s->ok_pressed && inside_ok(d, x, y);
    *repaint = inside != s->ok_inside;
    s->ok_inside = inside;
    return 0;
}

int32_t dialog_release(const DialogLayout* d, DialogState* s, int32_t x, int32_t y, bool* repaint) {
    bool chosen = s->ok_pressed && inside_ok(d, x, y);
    *repaint = s->ok_inside;
    *s = DialogState{};
    return chosen ? 1 : 0;
}

int32_t dialog_key(HostKey key) {
    if (key == HOST_KEY_RETURN || key == HOST_KEY_SPACE) return 1;
    if (key == HOST_KEY_ESCAPE) return 2;
    return 0;
}

void paint_dialog(Canvas* c, DialogKind kind, const DialogState* s, const uint32_t* picture,
                  const char* const* lines) {
    DialogLayout d = dialog_layout(kind);
    canvas_fill(c, 0, 0, c->width, c->height, kFace);
    if (kind == DIALOG_ABOUT) {
        // The product line and the makers.
        for (int32_t i = 0; i < 4; ++i) canvas_text(c, 74, 16 + 18 * i, g_about_lines[i], kText);
        paint_emblem(c, 18, 16);
    } else if (kind == DIALOG_START_FAILURE) {
        for (int32_t i = 0; lines != nullptr && lines[i] != nullptr && i < START_FAILURE_LINES; ++i)
            canvas_text(c, 74, 16 + 18 * i, lines[i], kText);
        paint_emblem(c, 18, 16);
    } else {
        int32_t w = INSTRUCTIONS_PICTURE_WIDTH, h = INSTRUCTIONS_PICTURE_HEIGHT;
        canvas_frame(c, d.picture_x - 1, d.picture_y - 1, w + 2, h + 2, kShadow, kLight);
        if (picture != nullptr) {
            canvas_blit(c, d.picture_x, d.picture_y, picture, w, h);
        } else {
            canvas_fill(c, d.picture_x, d.picture_y, w, h, kLight);
            for (int32_t i = 0; lines != nullptr && lines[i] != nullptr; ++i)
                canvas_text(c, d.picture_x + 12, d.picture_y + 12 + 18 * i, lines[i], kText);
        }
    }
    paint_button(c, d.ok_x, d.ok_y, d.ok_w, d.ok_h, "OK", s->ok_pressed && s->ok_inside);
}

void paint_menu_strip(Canvas* c, const MenuLayout* layout, const MenuState* s) {
    canvas_fill(c, 0, 0, c->width, MENU_STRIP_HEIGHT - 1, kFace);
    canvas_fill(c, 0, MENU_STRIP_HEIGHT - 1, c->width, 1, kShadow);
    int32_t ty = (MENU_STRIP_HEIGHT - 1 - host_text_height()) / 2;
    for (int32_t i = 0; i < MENU_TITLES; ++i) {
        const MenuTitleLayout& t = layout->titles[i];
        bool open = s->open == i;
        if (open) canvas_fill(c, t.x0, 0, t.x1 - t.x0, MENU_STRIP_HEIGHT - 1, kSelection);
        canvas_text(c, t.x0 + 7, ty, t.text, open ? kSelectedText : kText);
    }
}

void paint_menu_list(Canvas* c, const MenuLayout* layout, const MenuState* s) {
    if (s->open < 0) return;
    const MenuTitleLayout& t = layout->titles[s->open];
    canvas_fill(c, 0, 0, c->width, c->height, kFace);
    canvas_frame(c, 0, 0, c->width, c->height, kLight, kDark);
    int32_t ty = (MENU_ROW_HEIGHT - host_text_height()) / 2;
    for (int32_t i = 0; i < t.item_count; ++i) {
        int32_t y = 2 + i * MENU_ROW_HEIGHT;
        bool lit = s->highlight == i;
        if (lit) canvas_fill(c, 2, y, c->width - 4, MENU_ROW_HEIGHT, kSelection);
        canvas_text(c, 20, y + ty, t.items[i].text, lit ? kSelectedText : kText);
    }
}
