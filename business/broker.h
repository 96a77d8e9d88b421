// The ship broker's building: the lift, the lift panel with its five floors, the sales floors with
// their models, data sheets and the purchase of a ship, the notice floor and the sellers market.
#pragma once

#include <cstdint>

// The top-left cut-out of a model's picture that the screens show (row 0 is no model).
struct ShipModelCutout {
    int16_t w;
    int16_t h;
};
constexpr int32_t SHIP_MODEL_PICTURE_BASE = 26;  // model m is picture 26 + m
constexpr ShipModelCutout g_ship_model_cutouts[8] = {{0, 0},    {234, 52}, {193, 37}, {164, 37},
                                                     {195, 36}, {163, 36}, {190, 33}, {160, 33}};

// The building's own screens are left when the shipowner takes the "E" floor, or on g_quit.
void enter_shipbroker_building(int32_t player);
void shipbroker_floor_menu(int32_t player);
// One sales floor each: the models' pictures, their prices and Buy/Info buttons.
void show_high_tech_ships_floor(int32_t player);
void show_preowned_ships_floor(int32_t player);
void show_low_cost_ships_floor(int32_t player);
// The picture of model 1..7 at its place with a sunken frame, then the status line; any other
// model draws only the status line. The caller clears the screen.
void draw_ship_model_picture(int32_t player, int32_t model);
// The Info screen of a model; returns on OK or g_quit.
void ship_model_data_sheet(int32_t player, int32_t model);
// The purchase of model 1..7: name, deposit and the mortgage for the rest.
void buy_ship_dialog(int32_t player, int32_t model);

// The six lines of a model's data sheet, each up to 80 bytes.
constexpr int32_t DATA_SHEET_LINES = 6;
constexpr int32_t DATA_SHEET_LINE_SIZE = 80;
void format_ship_model_data_sheet(int32_t model, char lines[DATA_SHEET_LINES][DATA_SHEET_LINE_SIZE]);
// A floor's price text of a model ("Million$:35.0").
void format_broker_price(int32_t model, char* out, int32_t size);
