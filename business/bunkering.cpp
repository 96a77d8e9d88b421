// The bunker: four level buttons fill the tank to 25, 50, 75 % or full at the visit's price; the
// gauge rises and the meters count up as the fuel runs in.
#include <cstdio>

#include "business/harbour_services.h"
#include "business/no_cash_message.h"
#include "business/visit_rolls.h"
#include "engine/draw.h"
#include "engine/font.h"
#include "engine/frame.h"
#include "engine/intmath.h"
#include "engine/picture.h"
#include "engine/timing.h"
#include "lang/lang.h"
#include "ui/fonts.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/ship_types.h"

namespace {

constexpr int32_t BUNKER_PICTURE = 2;
enum : int32_t { BUNKER_25 = 10, BUNKER_50 = 11, BUNKER_75 = 12, BUNKER_FULL = 13 };

int32_t gauge_y(int32_t level) { return 168 - level * 112 / 100; }

void draw_meter(TextId format, int32_t value, int32_t x, int32_t y) {
    char text[32];
    std::snprintf(text, sizeof text, lang_text(format), static_cast<long>(value));
    set_draw_color(3);
    font_draw_text(&g_font_sys13, text, x, y);
}

void erase_meter(int32_t y0) {
    set_draw_color(0);
    fill_rect(172, y0, 232, y0 + 10);
}

// The digit keys 1..4 stand for the four buttons from the top.
int32_t level_command(int32_t command) {
    switch (command) {
        case 100: return BUNKER_FULL;
        case 101: return BUNKER_75;
        case 102: return BUNKER_50;
        case 103: return BUNKER_25;
        default: return command;
    }
}

struct Bunker {
    int32_t price;
    int32_t cost;    // $
    int32_t tonnes;
    int32_t fuel;
    int32_t bunker;  // the model's bunker size
};

void fill_to_percent(Bunker* b, int32_t percent) {
    int32_t target = b->bunker * percent / 100;
    int32_t add = target - b->fuel;
    if (add <= 0) return;
    b->tonnes += add;
    b->fuel = target;
    b->cost += add * b->price;
}

}  // namespace

int32_t bunker_price(int32_t roll) { return roll * 130 / 999 + 60; }

void bunker_fuel_dialog(int32_t player, Shipowner* shipowner, Ship* ship, const int32_t* rolls) {
    picture_load(BUNKER_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    restore_screen();
    draw_shipowner_status_line(player, 6);
    const ScreenButton buttons[] = {{51, 54, 30, 9, "", BUNKER_FULL},
                                    {51, 82, 30, 9, "", BUNKER_75},
                                    {51, 110, 30, 9, "", BUNKER_50},
                                    {51, 138, 30, 9, "", BUNKER_25},
                                    {0, 182, 80, 15, lang_text(TXT_HS_READY), 1}};
    screen_layout_draw(buttons, nullptr, nullptr);

    Bunker b{bunker_price(rolls[ROLL_FUEL_PRICE]), 0, 0, ship->fuel, g_ship_type_table[ship->ship_type].bunker_t};
    if (b.bunker <= 0) b.bunker = 1;  // no model is without a bunker; never divide by zero
    const int32_t fuel_on_entry = ship->fuel;
    int32_t level = wrap_mul(b.fuel, 100) / b.bunker;

    set_draw_color(1);
    fill_rect(88, gauge_y(level), 157, 168);
    draw_meter(TXT_HS_COST, b.cost, 174, 60);
    draw_meter(TXT_HS_TONNES, b.tonnes, 174, 74);
    draw_meter(TXT_HS_PRICE, b.price, 174, 102);

    do {
        input_poll();
        int32_t previous_cost = b.cost;
        int32_t previous_tonnes = b.tonnes;
        int32_t command = level_command(g_command);
        if (command == BUNKER_25) fill_to_percent(&b, 25);
        if (command == BUNKER_50) fill_to_percent(&b, 50);
        if (command == BUNKER_75) fill_to_percent(&b, 75);
        if (command == BUNKER_FULL) {
            int32_t add = b.bunker - b.fuel;
            b.tonnes += add;
            b.fuel = b.bunker;
            b.cost += add * b.price;
        }
        if (g_command >= 10) {
            ship->fuel = b.fuel;
            int32_t new_level = wrap_mul(b.fuel, 100) / b.bunker;
            if (new_level > level) {
                int32_t span = new_level - level;
                for (int32_t i = level; i <= new_level; ++i) {
                    set_draw_color(1);
                    fill_rect(88, gauge_y(i), 157, gauge_y(level));
                    erase_meter(59);
                    draw_meter(TXT_HS_COST, previous_cost + (b.cost - previous_cost) * (i - level) / span, 174, 60);
                    erase_meter(73);
                    draw_meter(TXT_HS_TONNES, previous_tonnes + (b.tonnes - previous_tonnes) * (i - level) / span,
                               174, 74);
                    wait_tick();
                }
            }
            level = new_level;
        }
    } while (g_command != 1 && g_quit == 0);

    int32_t charge = b.cost / 1000;
    if (wrap_sub(shipowner->cash, charge) < 0) {
        if (b.cost > 0) show_no_cash_message();
        ship->fuel = fuel_on_entry;
    } else {
        shipowner->cash = wrap_sub(shipowner->cash, charge);
        shipowner->expenses_general = wrap_add(shipowner->expenses_general, charge);
    }
    screen_buttons_clear();
}
