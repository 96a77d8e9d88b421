// The ship model pictures and the texts the broker's floors and data sheets show of a model.
#include "business/broker.h"

#include <cstdio>

#include "business/ship_purchase.h"
#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "views/accounts.h"
#include "world/ship_types.h"

namespace {

bool valid_model(int32_t model) {
    return model >= 1 && model <= SHIP_TYPE_COUNT;
}

void price_in_millions(int32_t model, int32_t* millions, int32_t* tenths) {
    split_thousands_to_millions(broker_price(model), millions, tenths);
}

}  // namespace

void draw_ship_model_picture(int32_t player, int32_t model) {
    set_backdrop_blue(0, 0);
    if (valid_model(model)) {
        // The big model 1 sits higher and further left than the others.
        int32_t x = model == 1 ? 32 : 40;
        int32_t y = model == 1 ? 28 : 32;
        const ShipModelCutout& cut = g_ship_model_cutouts[model];
        picture_load(SHIP_MODEL_PICTURE_BASE + model, g_background_buffer);
        blit_copy_to_screen(g_background_buffer, 0, 0, x, y, cut.w, cut.h);
        draw_sunken_frame(x, y, cut.w, cut.h);
    }
    draw_shipowner_status_line(player, 6);
}

void format_broker_price(int32_t model, char* out, int32_t size) {
    int32_t millions = 0;
    int32_t tenths = 0;
    price_in_millions(model, &millions, &tenths);
    std::snprintf(out, static_cast<size_t>(size), lang_text(TXT_BROKER_PRICE), lang_text(TXT_STATUS_MILLION),
                  static_cast<long>(millions), static_cast<long>(tenths));
}

void format_ship_model_data_sheet(int32_t model, char lines[DATA_SHEET_LINES][DATA_SHEET_LINE_SIZE]) {
    if (!valid_model(model)) model = 0;
    const ShipType& type = g_ship_type_table[model];
    int32_t millions = 0;
    int32_t tenths = 0;
    price_in_millions(model, &millions, &tenths);
    // Grams per hp and hour to tonnes per day at full power, truncated at each step.
    int32_t fuel_per_day = type.engine_hp * type.fuel_g_per_hp_h / 1000 * 24 / 1000;
    auto n = static_cast<size_t>(DATA_SHEET_LINE_SIZE);
    std::snprintf(lines[0], n, lang_text(TXT_BROKER_SHEET_NAME), type.name, static_cast<long>(type.brt),
                  lang_text(TXT_STATUS_MILLION), static_cast<long>(millions), static_cast<long>(tenths));
    std::snprintf(lines[1], n, lang_text(TXT_BROKER_SHEET_ENGINE), static_cast<long>(type.engine_hp),
                  static_cast<long>(type.length_m), static_cast<long>(type.beam_m),
                  static_cast<long>(model_deposit_percent(model)));
    std::snprintf(lines[2], n, lang_text(TXT_BROKER_SHEET_VMAX), static_cast<long>(type.vmax_kn));
    std::snprintf(lines[3], n, lang_text(TXT_BROKER_SHEET_FUEL), static_cast<long>(fuel_per_day));
    std::snprintf(lines[4], n, lang_text(TXT_BROKER_SHEET_BUNKER), static_cast<long>(type.bunker_t));
    std::snprintf(lines[5], n, lang_text(TXT_BROKER_SHEET_COSTS), static_cast<long>(type.costs_per_day));
}
