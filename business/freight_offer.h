// The freight offered for one route and cargo from the ship's port: capacity and top speed of
// the ship, the route's length, the destination's factor, both ports' supply of the cargo, the
// freight index and the idle ships in the port; one cargo of a visit may go express, with a
// deadline and a daily penalty.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

constexpr int32_t NO_DEADLINE = 9999;

struct FreightOffer {
    int32_t rate;     // $
    int32_t penalty;  // $ a day late, 0 = none
    int32_t allowed;  // days, NO_DEADLINE for none
};

// Ships of every shipowner in the game (eliminated ones too) lying idle in the port: without a
// charter or not under way.
int32_t count_idle_ships_in_port(int32_t port);
// The offer's arithmetic alone; rolls are the visit's.
void freight_offer_compute(const Shipowner* shipowner, const Ship* ship, int32_t route, int32_t cargo,
                           const int32_t* rolls, FreightOffer* offer);
// Computes the offer, writes it into the ship (with no charter days run yet) and shows it.
void compute_freight_offer(int32_t player, Shipowner* shipowner, Ship* ship, int32_t route, int32_t cargo,
                           const int32_t* rolls);
