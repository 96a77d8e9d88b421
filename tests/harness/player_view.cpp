#include "tests/harness/player_view.h"

#include <cstring>

#include "engine/frame.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"

bool gadget_listed(const Gadget* g) {
    for (const Gadget* p = g_gadget_list; p != nullptr; p = p->next)
        if (p == g) return true;
    return false;
}

bool button_at(int32_t x, int32_t y, int32_t command) {
    for (int32_t i = 0; i <= g_screen_button_last; ++i) {
        const Gadget& g = g_screen_button_gadgets[i];
        if (g.left == x + 1 && g.top == y + 1 && g.id == command && gadget_listed(&g)) return true;
    }
    return false;
}

bool button_labelled(const char* label, int32_t x, int32_t y) {
    for (int32_t i = 0; i <= g_screen_button_last; ++i) {
        const Gadget& g = g_screen_button_gadgets[i];
        if (g.text == nullptr || g.text->text == nullptr) continue;
        if (std::strcmp(g.text->text, label) == 0 && g.left == x + 1 && g.top == y + 1 && gadget_listed(&g))
            return true;
    }
    return false;
}

bool slider_up() {
    for (const Gadget* p = g_gadget_list; p != nullptr; p = p->next)
        if (p->type == GADGET_SLIDER) return true;
    return false;
}

uint64_t screen_hash() {
    uint64_t h = 1469598103934665603ull;
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) h = (h ^ g_screen_buffer[i]) * 1099511628211ull;
    return h;
}

int32_t books_ledger(const Shipowner& o) {
    return o.income_shipping + o.income_sales - o.expenses_general - o.expenses_interest;
}

int32_t owner_net_worth(int32_t i) {
    int32_t values = 0, mortgages = 0, credit = 0, worth = 0;
    compute_shipowner_assets(i, &values, &mortgages, &credit, &worth);
    return worth;
}
