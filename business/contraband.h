// Contraband and customs at a harbour visit: a delivery paid or caught on arrival, suspicion, the
// bribe screen and detention; and the collateral agreement offered to a ship about to leave.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

enum : int32_t { DETENTION_NONE = 0, DETENTION_SHORT = 1, DETENTION_LONG = 2 };

// Bribe screen commands: the three amounts and Reject.
enum : int32_t { BRIBE_100 = 100, BRIBE_50 = 101, BRIBE_10 = 102, BRIBE_REJECT = 1 };

// The bribe screen until a command or the quit flag; the port view and description are drawn
// again afterwards. Returns the command, 0 after the quit flag.
int32_t bribe_screen(const Ship* ship);
// A chartered ship arriving with contraband aboard (smuggling_reward not 0); a paid delivery is
// added to result ($). Returns the detention.
int32_t contraband_on_arrival(Shipowner* shipowner, Ship* ship, int32_t* result);
// A ship arriving without a charter whose smuggling kind is not 0. Returns the detention.
int32_t suspicion_without_charter(Shipowner* shipowner, Ship* ship);
// Whispered at the gangway as a chartered ship leaves the port.
void smuggling_offer(Ship* ship);
