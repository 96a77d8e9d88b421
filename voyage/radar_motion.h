// The two ships of the radar exercise and the player's controls: their start, the speed that
// settles towards eight times the telegraph, the turn under the rudder, the movement of one frame
// in fixed point (1/128 pixel, 1/128 degree), the keys, and the class of a contact by the
// difference of the headings.
#pragma once

#include <cstdint>

constexpr int32_t RADAR_FULL_CIRCLE = 46080;  // 360 degrees in 1/128 degree
constexpr int32_t RADAR_TELEGRAPH_MIN = -28;
constexpr int32_t RADAR_TELEGRAPH_MAX = 31;
constexpr int32_t RADAR_RUDDER_MIN = -40;
constexpr int32_t RADAR_RUDDER_MAX = 39;

// The keys of the exercise beyond the arrows (whose codes are also '%', '&', ''' and '(').
enum : uint32_t {
    RADAR_KEY_FULL_AHEAD = 33,   // '!'
    RADAR_KEY_FULL_ASTERN = 34,  // '"'
    RADAR_KEY_NOTHING = 35,      // '#'
    RADAR_KEY_STOP = 36,         // '$'
    RADAR_KEY_PAUSE = 32,        // space
};

// Where the other ship may start: pixels from the own ship's start, heading in whole degrees.
struct RadarTargetStart {
    int32_t x, y, heading;
};
constexpr int32_t RADAR_TARGET_STARTS = 3;
extern const RadarTargetStart g_radar_target_starts[RADAR_TARGET_STARTS];

struct RadarShip {
    int32_t x, y;     // 1/128 pixel
    int32_t heading;  // 1/128 degree, 0..46079
    int32_t speed;
};

// Everything one exercise holds: the ships, the controls, the sweep, the result and what the
// gauges show (so that only a changed one is redrawn).
struct RadarRun {
    RadarShip own;
    RadarShip other;
    int32_t telegraph;  // -28..31
    int32_t rudder;     // -40..39
    int32_t sweep;      // degrees, 0..359; 0 points down, 90 right
    int32_t result;     // RADAR_QUIT while running
    int32_t shown_telegraph;
    int32_t shown_rudder;
    int32_t shown_speed;
    int32_t shown_heading;  // whole degrees
    int32_t engine_slot;
    int32_t crash_slot;
};

// The start of an exercise: the own ship at (0, 0) heading 270 at speed 60 with telegraph 7 and
// the rudder amidships, the sweep at 270; the other ship's start drawn first (0..2), then its speed
// (40..110). Sound slots -1.
void radar_run_start(RadarRun* run);
// One frame's speed under telegraph t: up by |t| / 16 + 1 when below 8 t, then down by as much when
// above it, so that a step past 8 t is taken back at once.
int32_t radar_speed_step(int32_t speed, int32_t telegraph);
// One frame's heading under rudder and telegraph at speed, wrapped into 0..46079.
int32_t radar_heading_step(int32_t heading, int32_t rudder, int32_t telegraph, int32_t speed);
// Moves the ship one frame along heading_degrees at its speed.
void radar_ship_move(RadarShip* ship, int32_t heading_degrees);
// The own ship's frame: speed, turn, then both ships move.
void radar_ships_step(RadarRun* run);
// Acts on one key (the pause is the caller's).
void radar_key_apply(RadarRun* run, uint32_t key);
// The class of a contact with own and other headings in whole degrees: flank (3) within 4 degrees
// of square, crossing (2) from 21 degrees off parallel, else glancing (1).
int32_t radar_contact_class(int32_t own_degrees, int32_t other_degrees);

// The other ship as the heading-up scope shows it: its place (sx, sy) and its echo's heading.
struct RadarScopePlace {
    int32_t sx, sy, heading;
};
RadarScopePlace radar_scope_place(const RadarRun& run);
// What the place means: -1 the echo is seen and apart, 0 out of the scope's square, else the
// contact's class.
int32_t radar_place_result(const RadarRun& run, const RadarScopePlace& place);
