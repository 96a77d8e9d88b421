#include "host/menu_bar.h"

#include "host/canvas.h"
#include "host/host_texts.h"
#include "host/view_geometry.h"

namespace {

constexpr int32_t kTitlePad = 7;
constexpr int32_t kItemPad = 20;

MenuResult changed_to(MenuState* s, int32_t open, int32_t highlight) {
    bool changed = s->open != open || s->highlight != highlight;
    s->open = open;
    s->highlight = highlight;
    return MenuResult{true, changed, 0};
}

MenuResult choose(MenuState* s, const MenuTitleLayout& t, int32_t item) {
    *s = MenuState{-1, -1};
    return MenuResult{true, true, t.items[item].command};
}

}  // namespace

MenuLayout menu_layout() {
    MenuLayout layout{};
    layout.titles[0] = MenuTitleLayout{"&File", 0, 0, 0, 0, 0, 0, 1, {{"&Quit", MENU_QUIT}, {nullptr, 0}}};
    layout.titles[1] = MenuTitleLayout{
        "&Help", 0, 0, 0, 0, 0, 0, 2, {{"&Instructions...", MENU_INSTRUCTIONS}, {"&About...", MENU_ABOUT}}};
    int32_t x = 2;
    for (MenuTitleLayout& t : layout.titles) {
        t.x0 = x;
        t.x1 = x + host_text_width(t.text) + 2 * kTitlePad;
        x = t.x1;
        int32_t widest = 0;
        for (int32_t i = 0; i < t.item_count; ++i) {
            int32_t w = host_text_width(t.items[i].text);
            if (w > widest) widest = w;
        }
        t.drop_x = t.x0;
        t.drop_y = MENU_STRIP_HEIGHT;
        t.drop_w = widest + 2 * kItemPad;
        t.drop_h = t.item_count * MENU_ROW_HEIGHT + 4;
    }
    return layout;
}

int32_t menu_title_at(const MenuLayout* layout, int32_t x, int32_t y) {
    if (y < 0 || y >= MENU_STRIP_HEIGHT) return -1;
    for (int32_t i = 0; i < MENU_TITLES; ++i)
        if (x >= layout->titles[i].x0 && x < layout->titles[i].x1) return i;
    return -1;
}

int32_t menu_item_at(const MenuLayout* layout, int32_t title, int32_t x, int32_t y) {
    if (title < 0 || title >= MENU_TITLES) return -1;
    const MenuTitleLayout& t = layout->titles[title];
    if (x < t.drop_x || x >= t.drop_x + t.drop_w) return -1;
    int32_t row_y = y - (t.drop_y + 2);
    if (row_y < 0) return -1;
    int32_t row = row_y / MENU_ROW_HEIGHT;
    return row < t.item_count ? row : -1;
}

MenuResult menu_press(const MenuLayout* layout, MenuState* s, int32_t x, int32_t y) {
    int32_t title = menu_title_at(layout, x, y);
    if (title >= 0) return title == s->open ? changed_to(s, -1, -1) : changed_to(s, title, -1);
    if (s->open >= 0) {
        int32_t item = menu_item_at(layout, s->open, x, y);
        if (item >= 0) return changed_to(s, s->open, item);
        return changed_to(s, -1, -1);  // a press elsewhere closes the list and goes no further
    }
    // The strip itself belongs to the window even where it has no title.
    return MenuResult{y >= 0 && y < MENU_STRIP_HEIGHT, false, 0};
}

MenuResult menu_motion(const MenuLayout* layout, MenuState* s, int32_t x, int32_t y) {
    if (s->open < 0) return MenuResult{false, false, 0};
    int32_t title = menu_title_at(layout, x, y);
    if (title >= 0 && title != s->open) return changed_to(s, title, -1);
    return changed_to(s, s->open, menu_item_at(layout, s->open, x, y));
}

MenuResult menu_release(const MenuLayout* layout, MenuState* s, int32_t x, int32_t y) {
    if (s->open < 0) return MenuResult{y >= 0 && y < MENU_STRIP_HEIGHT, false, 0};
    int32_t item = menu_item_at(layout, s->open, x, y);
    if (item >= 0) return choose(s, layout->titles[s->open], item);
    return MenuResult{true, false, 0};  // the list stays down until a choice, a press elsewhere or Escape
}

MenuResult menu_key(const MenuLayout* layout, MenuState* s, HostKey key, uint32_t letter) {
    if (s->open < 0) return MenuResult{false, false, 0};
    const MenuTitleLayout& t = layout->titles[s->open];
    switch (key) {
        case HOST_KEY_ESCAPE: return changed_to(s, -1, -1);
        case HOST_KEY_LEFT: return changed_to(s, (s->open + MENU_TITLES - 1) % MENU_TITLES, 0);
        case HOST_KEY_RIGHT: return changed_to(s, (s->open + 1) % MENU_TITLES, 0);
        case HOST_KEY_DOWN: return changed_to(s, s->open, (s->highlight + 1) % t.item_count);
        case HOST_KEY_UP:
            return changed_to(s, s->open, s->highlight <= 0 ? t.item_count - 1 : s->highlight - 1);
        case HOST_KEY_RETURN:
        case HOST_KEY_SPACE:
            if (s->highlight >= 0) return choose(s, t, s->highlight);
            return MenuResult{true, false, 0};
        case HOST_KEY_LETTER:
            for (int32_t i = 0; i < t.item_count; ++i)
                if (text_mnemonic(t.items[i].text) == letter) return choose(s, t, i);
            return MenuResult{true, false, 0};
        default: return MenuResult{true, false, 0};
    }
}

MenuResult menu_open(MenuState* s, int32_t title) { return changed_to(s, title, 0); }
