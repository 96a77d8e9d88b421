// The fleet statistics: ships and tonnage in total, per model year ('96 models 1..3, '91 models
// 4 and 5, '86 models 6 and 7) and per model.
#include <cstdio>

#include "business/office.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/ship_types.h"

namespace {

constexpr int32_t COUNT_TEXT = 24;
constexpr int32_t MODELS = 7;
constexpr int32_t GROUPS = 3;

int32_t model_group(int32_t model) {
    if (model <= 3) return 0;
    if (model <= 5) return 1;
    return 2;
}

void format_tonnage(char* text, int32_t brt) {
    std::snprintf(text, COUNT_TEXT, lang_text(TXT_FLEET_BRT), static_cast<long>(brt));
}

}  // namespace

void format_ship_count(char* text, int32_t count) {
    if (count == 1) {
        std::snprintf(text, COUNT_TEXT, "%s", lang_text(TXT_FLEET_ONE_SHIP));
    } else {
        std::snprintf(text, COUNT_TEXT, lang_text(TXT_FLEET_SHIPS), static_cast<long>(count));
    }
}

void fleet_info_screen(int32_t player) {
    const Shipowner& owner = g_shipowners[player];
    clear_screen_grey();
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);

    int32_t ships = 0, tonnage = 0;
    int32_t model_count[MODELS] = {}, group_count[GROUPS] = {}, group_tonnage[GROUPS] = {};
    for (const Ship* ship = owner.ships; ship != nullptr; ship = ship->next) {
        const int32_t model = ship->ship_type;
        if (model < 1 || model > MODELS) continue;
        const int32_t brt = g_ship_type_table[model].brt;
        ++ships;
        tonnage += brt;
        ++model_count[model - 1];
        ++group_count[model_group(model)];
        group_tonnage[model_group(model)] += brt;
    }

    char total_tonnage[COUNT_TEXT], total_ships[COUNT_TEXT];
    char group_ships[GROUPS][COUNT_TEXT], group_brt[GROUPS][COUNT_TEXT], models[MODELS][COUNT_TEXT];
    format_tonnage(total_tonnage, tonnage);
    format_ship_count(total_ships, ships);
    for (int32_t g = 0; g < GROUPS; ++g) {
        format_ship_count(group_ships[g], group_count[g]);
        format_tonnage(group_brt[g], group_tonnage[g]);
    }
    for (int32_t m = 0; m < MODELS; ++m) format_ship_count(models[m], model_count[m]);

    static const TextId sizes[MODELS] = {TXT_FLEET_VERY_LARGE, TXT_FLEET_LARGE,    TXT_FLEET_STANDARD,
                                         TXT_FLEET_LARGE,      TXT_FLEET_STANDARD, TXT_FLEET_LARGE,
                                         TXT_FLEET_STANDARD};
    ScreenText texts[48];
    int32_t n = 0;
    texts[n++] = ScreenText{5, 30, lang_text(TXT_FLEET_TITLE)};
    texts[n++] = ScreenText{188, 30, total_tonnage};
    texts[n++] = ScreenText{180, 45, total_ships};
    texts[n++] = ScreenText{5, 60, lang_text(TXT_FLEET_OF_WHOM)};
    static const TextId group_names[GROUPS] = {TXT_FLEET_MODEL_96, TXT_FLEET_MODEL_91, TXT_FLEET_MODEL_86};
    static const int16_t group_y[GROUPS] = {75, 120, 150};
    for (int32_t g = 0; g < GROUPS; ++g) {
        texts[n++] = ScreenText{5, group_y[g], lang_text(group_names[g])};
        texts[n++] = ScreenText{80, group_y[g], group_ships[g]};
        texts[n++] = ScreenText{80, static_cast<int16_t>(group_y[g] + 15), group_brt[g]};
    }
    for (int32_t m = 0; m < MODELS; ++m) {
        const auto y = static_cast<int16_t>(75 + 15 * m);
        texts[n++] = ScreenText{170, y, lang_text(sizes[m])};
        texts[n++] = ScreenText{248, y, models[m]};
    }
    texts[n] = ScreenText{0, 0, nullptr};

    static const ScreenBox boxes[] = {{2, 28, 318, 57, 3}, {2, 59, 318, 183, 2}, {0, 0, 0, 0, 0}};
    const ScreenButton buttons[] = {{0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    screen_layout_draw(buttons, boxes, texts);
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
