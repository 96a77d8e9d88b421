// The at-sea events of a voyage (the route's own event and the icebergs, which hand the ship to
// the player in the manoeuvring simulation) and the small screen helpers they share with their
// neighbours.
#pragma once

#include <cstdint>

#include "ui/requester.h"

struct Shipowner;
struct Ship;

// Called by the harbour visit right after it draws its ship panel; does nothing.
void ship_panel_hook(int32_t player);
// The black caption bar across the top of a voyage screen with the ship's and captain's names.
void draw_ship_caption(int32_t player, Ship* ship);
// Fills five line buffers (each at least 64 bytes) with the report of a damage another ship
// helped with.
void format_assisted_damage_text(Ship* ship, char lines[5][64]);
// The route's own event once the ship has passed its place: Bermuda, canal fees, Cape Horn, a
// reef, shoals. The loss text when it sank the ship, else null.
TextLines route_event_check(int32_t player, Shipowner* shipowner, Ship* ship);
// Icebergs ahead: the ship is steered through the ice by hand. Always null.
TextLines iceberg_event(int32_t player, Shipowner* shipowner, Ship* ship);
