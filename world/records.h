// The mutable game records: the four shipowners with their ship lists, and the game-wide values a
// saved game carries with them. Money on a shipowner is in k$, on a ship's charter in $; condition
// is in hundredths of a percent; positions are in tenths of a degree, east and north positive.
#pragma once

#include <cstdint>

constexpr int32_t SHIPOWNER_MAX = 4;
constexpr int32_t NET_WORTH_HISTORY = 256;
constexpr int32_t RECORD_NAME_SIZE = 12;

// Ship.voyage_flags: incidents that happen once per voyage (cleared by the harbour visit).
enum : uint16_t {
    VOYAGE_STORM_MET = 0x001,
    VOYAGE_GALE_DAMAGED = 0x002,
    VOYAGE_PASSING_STORM = 0x004,
    VOYAGE_ICEBERGS_DONE = 0x020,
    VOYAGE_ROUTE_EVENT_DONE = 0x100,
    VOYAGE_INCIDENT_DONE = 0x200,
};

// Shipowner.achievements: awards earned once per game. Bits 0..27 are the harbours of ports 1..28
// entered by manoeuvring.
enum : uint32_t {
    ACHIEVEMENT_CAPE_HORN = 1u << 28,
    ACHIEVEMENT_REEF = 1u << 29,
    ACHIEVEMENT_SHOALS = 1u << 30,
    ACHIEVEMENT_ICEBERGS = 1u << 31,
};
constexpr uint32_t achievement_harbour(int32_t port) {
    return 1u << (port - 1);
}

struct Ship {
    Ship* next;  // the owner's next ship in purchase order, null at the end
    char name[RECORD_NAME_SIZE];
    int8_t ship_type;  // ShipType row 1..7
    int32_t condition;
    int32_t mortgage;       // k$
    int8_t mortgage_rate;   // percent per period
    int32_t mortgage_days;  // days since the last mortgage interest
    int32_t mortgage_period;
    int8_t route;  // Route row of the charter, 0 = none
    int8_t cargo;  // CargoType row, 0 none, 10 ballast
    int8_t port;   // the port the ship lies in or last left
    int32_t lon;
    int32_t lat;
    int32_t sailed_nm;        // along the route on this voyage
    int16_t direction;        // +1 from port A to B, -1 from B to A, 0 not under way
    int32_t freight;          // $
    int32_t penalty_per_day;  // $ per day late, 0 = no time limit
    int32_t allowed_days;     // 9999 = no limit
    int32_t charter_days;
    int32_t fuel;  // tonnes on board
    int32_t layup_days;
    int32_t road_days;
    int32_t heaving_days;
    int32_t shipyard_days;
    int32_t discharging_days;
    int32_t loading_days;
    int32_t speed;  // knots
    int32_t fuel_per_day;
    int32_t costs_per_day;  // $
    uint16_t voyage_flags;
    int8_t harbour_map;        // port row - 1 of the harbour map to manoeuvre in; -1 not yet arrived anywhere
    int8_t berth;              // 1..3
    int32_t smuggling_reward;  // k$, 0 = no contraband
    int8_t smuggling_kind;     // 1 suitcase, 2 chest, 3 fire arms; negative = under suspicion
};

struct Shipowner {
    int32_t status;  // company status points; -1 = has never owned a ship
    int32_t subsidy_status;
    char name[RECORD_NAME_SIZE];
    char captain_name[RECORD_NAME_SIZE];
    char company[RECORD_NAME_SIZE];
    int8_t home_port;
    int8_t reserved_45;
    int8_t out_of_game;  // raised by one on elimination
    int32_t cash;        // k$
    int32_t income_shipping;
    int32_t income_sales;
    int32_t expenses_general;
    int32_t expenses_interest;
    int32_t credit;
    int8_t credit_rate;  // percent per period
    int32_t office_neglect_days;
    int32_t credit_days;
    int32_t credit_period;
    Ship* ships;            // first ship, null for none
    int32_t history_index;  // newest slot of net_worth_history
    int32_t net_worth_history[NET_WORTH_HISTORY];
    uint32_t achievements;
};

extern Shipowner g_shipowners[SHIPOWNER_MAX];
extern int8_t g_shipowner_count;  // how many take part, 1..4 in a game

// The game-wide values saved with a game.
extern int8_t g_difficulty;             // 1 Beginner, 2 Expert, 3 Genius
extern int32_t g_difficulty_allowance;  // tick limit of a manoeuvring episode
extern int32_t g_playing_duration;      // seconds, -1 without limit
extern int32_t g_game_spare;            // carried through saved games unchanged
extern int32_t g_day;
extern int32_t g_freight_index;                // 1000 = normal
extern int32_t g_ship_price_index;             // 1000 = normal
extern int32_t g_daily_phase;                  // 0..3600
extern uint8_t g_office_style[SHIPOWNER_MAX];  // a permutation of 0..3
extern int32_t g_sim_mode;                     // 0 with ship simulation, 1 pure economy
// The program time in seconds when the playing time started, and the last reading of it.
extern int32_t g_game_start_time;
extern int32_t g_now_seconds;
// 1 once a letter, incident, screen or hand-over has covered the main screen today; the day step
// clears it at the start of every day.
extern int32_t g_day_event;

// A ship is in port when it has no charter or is not under way on it.
bool ship_in_port(const Ship* ship);
// Appends ship (its next is set to null) at the end of the shipowner's list.
void append_ship(Shipowner* owner, Ship* ship);
// Unlinks ship from the shipowner's list without freeing it; 1 when it was found.
int32_t unlink_ship(Shipowner* owner, Ship* ship);
// The number of ships in the shipowner's list.
int32_t ship_count(const Shipowner* owner);
// A new ship block cleared whole, or null when memory runs out. Freed with free_ship.
Ship* new_ship();
void free_ship(Ship* ship);
// Frees every ship of the shipowner and empties the list.
void free_ships(Shipowner* owner);
// Frees every ship of shipowners 0..count-1 and empties their lists.
void free_all_ships(int32_t count);

// Ship blocks handed out by new_ship and not yet freed (the tests check for leaks with it).
int32_t ship_blocks_in_use();
// Makes new_ship fail once n more blocks have been handed out; -1 (the default) never fails. Lets
// the tests run out of memory at a chosen ship.
void ship_alloc_fail_after(int32_t n);
