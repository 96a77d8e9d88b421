// A ship's passage into or out of a harbour: the screen that offers tugs or steering by hand, the
// manoeuvre (or, in pure economy, its dice) and what the outcome costs. Tug costs are k$ and are
// booked from cash to general expenses.
#pragma once

#include <cstdint>

struct Shipowner;
struct Ship;

enum : int32_t { PASSAGE_IN = 0, PASSAGE_OUT = 1 };

// The fixed charges of a manoeuvre gone wrong, k$.
constexpr int32_t PASSAGE_OFF_CHART_FINE = 400;
constexpr int32_t PASSAGE_OUT_OF_TIME_FINE = 200;

// Grey screen, the picture of the ship's model with the status line, and the ship's caption.
void passage_ship_screen(int32_t player, Ship* ship);
// The outcome of steering by hand from start to target on the harbour chart of the ship: in pure
// economy 0, or 1..4 damage when a first draw of 0..100 is below 10 (then a second draw); with
// the simulation, the manoeuvre itself.
int32_t passage_by_hand(Ship* ship, int32_t start, int32_t target);
// What outcome r costs: status for a harbour mastered the first time (arrival only), the fines
// for leaving the chart or running out of time, the damage and four times the tug cost c.
void passage_outcome(int32_t player, Shipowner* owner, Ship* ship, int32_t r, int32_t way, int32_t c);
// The passage screen on the ship's screen, until the tugs are paid or the ship has been steered.
// 1 when it was steered by hand, with its outcome in *result; 0 when the tugs took it or the game
// was quit (nothing booked then).
int32_t passage_screen(int32_t player, Shipowner* owner, Ship* ship, int32_t way, int32_t* result);
