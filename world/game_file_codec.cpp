#include "world/game_file_codec.h"

#include <cstring>

#include "world/cargoes.h"
#include "world/ports.h"
#include "world/ship_types.h"

void put_u8(uint8_t* at, uint8_t v) {
    at[0] = v;
}

void put_u16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void put_u32(uint8_t* at, uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint8_t get_u8(const uint8_t* at) {
    return at[0];
}

uint16_t get_u16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t get_u32(const uint8_t* at) {
    uint32_t v = 0;
    for (int32_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(at[i]) << (8 * i);
    return v;
}

namespace {

void put_i8(uint8_t* image, uint32_t offset, int8_t v) {
    put_u8(image + offset, static_cast<uint8_t>(v));
}
void put_i16(uint8_t* image, uint32_t offset, int16_t v) {
    put_u16(image + offset, static_cast<uint16_t>(v));
}
void put_i32(uint8_t* image, uint32_t offset, int32_t v) {
    put_u32(image + offset, static_cast<uint32_t>(v));
}
// A link is stored as 1 or 0: which ship it pointed to means nothing in another run.
void put_link(uint8_t* image, uint32_t offset, const void* link) {
    put_u32(image + offset, link != nullptr ? 1 : 0);
}
void put_text(uint8_t* image, uint32_t offset, const char (&text)[RECORD_NAME_SIZE]) {
    std::memcpy(image + offset, text, RECORD_NAME_SIZE);
}

int8_t get_i8(const uint8_t* image, uint32_t offset) {
    return static_cast<int8_t>(get_u8(image + offset));
}
int16_t get_i16(const uint8_t* image, uint32_t offset) {
    return static_cast<int16_t>(get_u16(image + offset));
}
int32_t get_i32(const uint8_t* image, uint32_t offset) {
    return static_cast<int32_t>(get_u32(image + offset));
}
void get_text(const uint8_t* image, uint32_t offset, char (&text)[RECORD_NAME_SIZE]) {
    std::memcpy(text, image + offset, RECORD_NAME_SIZE);
}

bool terminated(const char (&text)[RECORD_NAME_SIZE]) {
    return std::memchr(text, '\0', RECORD_NAME_SIZE) != nullptr;
}

bool within(int32_t v, int32_t lo, int32_t hi) {
    return v >= lo && v <= hi;
}

constexpr int32_t kRouteRows = 55;  // charters run on routes 1..55
// A ship's position, in tenths of a degree, lies on the globe: the maps project nothing else.
constexpr int32_t kHalfTurn = 1800;
constexpr int32_t kQuarterTurn = 900;

}  // namespace

void shipowner_to_image(const Shipowner* o, uint8_t* image) {
    std::memset(image, 0, SHIPOWNER_IMAGE_SIZE);
    put_i32(image, 0, o->status);
    put_i32(image, 4, o->subsidy_status);
    put_text(image, 8, o->name);
    put_text(image, 20, o->captain_name);
    put_text(image, 32, o->company);
    put_i8(image, 44, o->home_port);
    put_i8(image, 45, o->reserved_45);
    put_i8(image, 46, o->out_of_game);
    put_i32(image, 48, o->cash);
    put_i32(image, 52, o->income_shipping);
    put_i32(image, 56, o->income_sales);
    put_i32(image, 60, o->expenses_general);
    put_i32(image, 64, o->expenses_interest);
    put_i32(image, 68, o->credit);
    put_i8(image, 72, o->credit_rate);
    put_i32(image, 76, o->office_neglect_days);
    put_i32(image, 80, o->credit_days);
    put_i32(image, 84, o->credit_period);
    put_link(image, 88, o->ships);
    put_i32(image, 92, o->history_index);
    for (int32_t i = 0; i < NET_WORTH_HISTORY; ++i) put_i32(image, 96 + 4 * i, o->net_worth_history[i]);
    put_u32(image + 1120, o->achievements);
}

int32_t shipowner_from_image(const uint8_t* image, Shipowner* o) {
    *o = Shipowner{};
    o->status = get_i32(image, 0);
    o->subsidy_status = get_i32(image, 4);
    get_text(image, 8, o->name);
    get_text(image, 20, o->captain_name);
    get_text(image, 32, o->company);
    o->home_port = get_i8(image, 44);
    o->reserved_45 = get_i8(image, 45);
    o->out_of_game = get_i8(image, 46);
    o->cash = get_i32(image, 48);
    o->income_shipping = get_i32(image, 52);
    o->income_sales = get_i32(image, 56);
    o->expenses_general = get_i32(image, 60);
    o->expenses_interest = get_i32(image, 64);
    o->credit = get_i32(image, 68);
    o->credit_rate = get_i8(image, 72);
    o->office_neglect_days = get_i32(image, 76);
    o->credit_days = get_i32(image, 80);
    o->credit_period = get_i32(image, 84);
    o->ships = nullptr;
    o->history_index = get_i32(image, 92);
    for (int32_t i = 0; i < NET_WORTH_HISTORY; ++i) o->net_worth_history[i] = get_i32(image, 96 + 4 * i);
    o->achievements = get_u32(image + 1120);
    return get_u32(image + 88) != 0 ? 1 : 0;
}

void ship_to_image(const Ship* s, uint8_t* image) {
    std::memset(image, 0, SHIP_IMAGE_SIZE);
    put_link(image, 0, s->next);
    put_text(image, 4, s->name);
    put_i8(image, 16, s->ship_type);
    put_i32(image, 20, s->condition);
    put_i32(image, 24, s->mortgage);
    put_i8(image, 28, s->mortgage_rate);
    put_i32(image, 32, s->mortgage_days);
    put_i32(image, 36, s->mortgage_period);
    put_i8(image, 40, s->route);
    put_i8(image, 41, s->cargo);
    put_i8(image, 42, s->port);
    put_i32(image, 44, s->lon);
    put_i32(image, 48, s->lat);
    put_i32(image, 52, s->sailed_nm);
    put_i16(image, 56, s->direction);
    put_i32(image, 60, s->freight);
    put_i32(image, 64, s->penalty_per_day);
    put_i32(image, 68, s->allowed_days);
    put_i32(image, 72, s->charter_days);
    put_i32(image, 76, s->fuel);
    put_i32(image, 80, s->layup_days);
    put_i32(image, 84, s->road_days);
    put_i32(image, 88, s->heaving_days);
    put_i32(image, 92, s->shipyard_days);
    put_i32(image, 96, s->discharging_days);
    put_i32(image, 100, s->loading_days);
    put_i32(image, 104, s->speed);
    put_i32(image, 108, s->fuel_per_day);
    put_i32(image, 112, s->costs_per_day);
    put_u16(image + 116, s->voyage_flags);
    put_i8(image, 118, s->harbour_map);
    put_i8(image, 119, s->berth);
    put_i32(image, 120, s->smuggling_reward);
    put_i8(image, 124, s->smuggling_kind);
}

int32_t ship_from_image(const uint8_t* image, Ship* s) {
    *s = Ship{};
    s->next = nullptr;
    get_text(image, 4, s->name);
    s->ship_type = get_i8(image, 16);
    s->condition = get_i32(image, 20);
    s->mortgage = get_i32(image, 24);
    s->mortgage_rate = get_i8(image, 28);
    s->mortgage_days = get_i32(image, 32);
    s->mortgage_period = get_i32(image, 36);
    s->route = get_i8(image, 40);
    s->cargo = get_i8(image, 41);
    s->port = get_i8(image, 42);
    s->lon = get_i32(image, 44);
    s->lat = get_i32(image, 48);
    s->sailed_nm = get_i32(image, 52);
    s->direction = get_i16(image, 56);
    s->freight = get_i32(image, 60);
    s->penalty_per_day = get_i32(image, 64);
    s->allowed_days = get_i32(image, 68);
    s->charter_days = get_i32(image, 72);
    s->fuel = get_i32(image, 76);
    s->layup_days = get_i32(image, 80);
    s->road_days = get_i32(image, 84);
    s->heaving_days = get_i32(image, 88);
    s->shipyard_days = get_i32(image, 92);
    s->discharging_days = get_i32(image, 96);
    s->loading_days = get_i32(image, 100);
    s->speed = get_i32(image, 104);
    s->fuel_per_day = get_i32(image, 108);
    s->costs_per_day = get_i32(image, 112);
    s->voyage_flags = get_u16(image + 116);
    s->harbour_map = get_i8(image, 118);
    s->berth = get_i8(image, 119);
    s->smuggling_reward = get_i32(image, 120);
    s->smuggling_kind = get_i8(image, 124);
    return get_u32(image) != 0 ? 1 : 0;
}

int32_t shipowner_is_sound(const Shipowner* o) {
    return terminated(o->name) && terminated(o->captain_name) && terminated(o->company) &&
           within(o->home_port, 0, PORT_COUNT) && within(o->history_index, 0, NET_WORTH_HISTORY - 1);
}

int32_t ship_is_sound(const Ship* s) {
    return terminated(s->name) && within(s->ship_type, 1, SHIP_TYPE_COUNT) &&
           within(s->route, 0, kRouteRows) && within(s->cargo, 0, CARGO_COUNT) &&
           within(s->port, 0, PORT_COUNT) && within(s->direction, -1, 1) &&
           within(s->harbour_map, -1, PORT_COUNT - 1) && within(s->berth, 0, 3) &&
           within(s->lon, -kHalfTurn, kHalfTurn) && within(s->lat, -kQuarterTurn, kQuarterTurn) &&
           within(s->smuggling_kind, -3, 3);
}
