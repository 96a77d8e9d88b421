// A shipowner's accounts as the business screens show them: the fleet's value and the net worth,
// k$ amounts as millions and tenths, the status line at the top of the screens, and the sunken
// frame of the broker's windows. Amounts are k$.
#pragma once

#include <cstdint>

// Ship values at 80 % of the broker price scaled by condition, the mortgages, the credit, and the
// net worth (cash - credit + values - mortgages) of shipowner player.
void compute_shipowner_assets(int32_t player, int32_t* ship_values, int32_t* mortgages, int32_t* credit,
                              int32_t* net_worth);
// A non-negative amount rounded to the nearest 100 k$, as millions and tenths (1950 -> 2.0).
void split_thousands_to_millions(int32_t amount, int32_t* millions, int32_t* tenths);
// A one-pixel frame just outside the w x h box at (x, y): light at the bottom and right, dark at
// the top and left.
void draw_sunken_frame(int32_t x, int32_t y, int32_t w, int32_t h);
// The black line at the top of a business screen: company, home port, ships and cash. style is
// carried for the callers and changes nothing.
void draw_shipowner_status_line(int32_t player, int32_t style);
// The status line's text for shipowner player (also used by the tests).
void format_shipowner_status_line(int32_t player, char* out, int32_t size);
