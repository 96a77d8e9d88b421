// The voyage panel at the end of a departure: the route, the cargo, the distance and the time
// limit, and a vertical slider that sets the speed between a quarter of the model's top speed and
// the top speed, with the fuel used a day and the days the voyage takes.
#pragma once

#include <cstdint>

#include "ui/gadget.h"

struct Shipowner;
struct Ship;
struct ShipType;

// The speed slider: value (vpot) 0 at the top = top speed, 65535 at the bottom = a quarter of it.
constexpr int32_t SPEED_SLIDER_ID = 2;
constexpr int32_t SPEED_SLIDER_STEP = 2048;
extern Gadget g_speed_slider;
extern SliderInfo g_speed_slider_info;

// Tonnes a day at top speed: g/hp/h x (hp / 1000) x 24 / 1000, each division truncating.
int32_t voyage_full_fuel(const ShipType& type);
// The speed for a slider value: vmin + (vmax - vmin) x (65535 - value) / 65535, vmin = vmax / 4.
int32_t voyage_speed(int32_t vmax, int32_t value);
// Tonnes a day at speed v: (full - 1) x v^3 / vmax^3 + 1, in 32 bits.
int32_t voyage_fuel_use(int32_t full, int32_t v, int32_t vmax);
// Days for length nm at v knots: length / v / 24.
int32_t voyage_days(int32_t length, int32_t v);

// The panel; leaves the speed shown and its fuel use in the ship.
void voyage_panel(int32_t player, Shipowner* shipowner, Ship* ship);
// The slider back to its state before the first panel.
void voyage_panel_reset();
