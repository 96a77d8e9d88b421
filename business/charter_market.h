// The charter market of a harbour visit: the routes from the ship's port and the cargoes the port
// offers on this visit, the freight offer for the highlighted pair, and on OK the ship's charter.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

constexpr int32_t CHARTER_ROUTE_ROWS = 8;
constexpr int32_t CHARTER_CARGO_ROWS = 10;

// Selection frame modes.
enum : int32_t { CHARTER_FRAME_NORMAL = 5, CHARTER_FRAME_SELECTED = 6 };

// The rows of the market: route numbers and cargo numbers in row order.
struct CharterRows {
    int32_t route_count;
    int32_t routes[CHARTER_ROUTE_ROWS];
    int32_t cargo_count;
    int32_t cargoes[CHARTER_CARGO_ROWS];
};

// Routes touching the ship's port in table order; cargoes the port trades whose offer chance
// beats their roll. Ballast is always offered, so the cargo list ends with it.
void build_charter_rows(const Ship* ship, const int32_t* rolls, CharterRows* rows);
// The offer command (200 + row) of a letter key in the build's letter row, or 0.
int32_t charter_letter_command(uint8_t key);
void draw_charter_selection_frames(int32_t route_row, int32_t cargo_row, int32_t mode);
// route_row and cargo_row are the visit's memory: read on entry, written back on exit. Leaves
// g_command at 1 (or the quit flag set). Cancel takes the ship's charter away.
void charter_offer_dialog(int32_t player, Shipowner* shipowner, Ship* ship, const int32_t* rolls,
                          int32_t* route_row, int32_t* cargo_row);
