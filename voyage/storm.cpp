#include "voyage/storm.h"

#include <cstdio>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "host/sound_library.h"
#include "lang/lang.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "voyage/animated_boxes.h"
#include "voyage/route_events.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

constexpr int32_t STORM_PICTURE = 21;
constexpr int32_t STORM_SOUND = 8;
constexpr int32_t STORM_SOUND_LOOPS = 9999;
constexpr int32_t STORM_OVER_BELOW = 5;  // Beaufort
constexpr int32_t STORM_FROM = 8;
constexpr int32_t GALE_FROM = 11;
constexpr int32_t GALE_SINKS_BELOW = 4500;   // condition
constexpr int32_t STORM_SINKS_BELOW = 3000;  // condition
constexpr int32_t STORM_BOX_BELOW = 6500;
constexpr int32_t STORM_DANGER_BELOW = 4000;
constexpr int32_t SEVERE_LOSS = 1001;
constexpr int32_t FUEL_PER_GALE_DAY = 20;  // t
constexpr int32_t GALE_BREAKS_ODDS = 10;   // of 100
constexpr uint16_t STORM_BITS = VOYAGE_STORM_MET | VOYAGE_GALE_DAMAGED | VOYAGE_PASSING_STORM;

const char* s_poor_state[4];
const char* s_strain[7];

TextLines poor_state_loss() {
    for (int32_t k = 0; k < 3; ++k) s_poor_state[k] = lang_text(static_cast<TextId>(TXT_RE_POOR_STATE_1 + k));
    s_poor_state[3] = nullptr;
    return s_poor_state;
}

TextLines strain_loss() {
    for (int32_t k = 0; k < 5; ++k) s_strain[k] = lang_text(static_cast<TextId>(TXT_RE_STRAIN_1 + k));
    s_strain[5] = lang_text(TXT_RE_BLANK);
    s_strain[6] = nullptr;
    return s_strain;
}

// The sea in heavy weather behind the caption, with the wind howling; the sound's slot.
int32_t storm_screen(int32_t player, Shipowner* owner, Ship* ship) {
    show_map_with_ship_and_leave(player, owner, ship);
    picture_load(STORM_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    int32_t slot = sound_load(STORM_SOUND);
    sound_play(STORM_SOUND_LOOPS, slot);
    restore_screen_from_background(0);
    draw_ship_caption(player, ship);
    return slot;
}

void storm_screen_leave(int32_t slot) {
    sound_stop(slot);
    sound_free(slot);
    clear_screen();
}

TextLines gale(int32_t player, Shipowner* owner, Ship* ship) {
    g_day_event = 1;
    int32_t slot = storm_screen(player, owner, ship);
    const char* warning[7];
    for (int32_t k = 0; k < 5; ++k) warning[k] = lang_text(static_cast<TextId>(TXT_RE_GALE_1 + k));
    warning[5] = lang_text(TXT_RE_BLANK);
    warning[6] = nullptr;
    message_box_animated(warning, 0);
    draw_ship_caption(player, ship);

    int32_t d = random_range(5, 20);
    ship->heaving_days += d;
    ship->fuel -= FUEL_PER_GALE_DAY * d;
    if (ship->fuel < 0) ship->fuel = 0;
    int32_t damage = random_range(100, 2000);
    ship->condition -= damage;
    TextLines loss = nullptr;
    if (ship->condition < GALE_SINKS_BELOW) {
        ship->condition = 0;
        loss = poor_state_loss();
    }
    char name[64], state[64], fuel[64];
    std::snprintf(name, sizeof name, lang_text(TXT_RE_GALE_SHIP), ship->name);
    std::snprintf(state, sizeof state, lang_text(TXT_RE_STATE), static_cast<long>(ship->condition / 100));
    std::snprintf(fuel, sizeof fuel, lang_text(TXT_RE_FUEL), static_cast<long>(ship->fuel));
    const char* report[] = {name, lang_text(TXT_RE_SEVERE_DAMAGE), state, fuel, nullptr};
    message_box_animated(report, 0);
    int32_t breaks = random_range(0, 100);
    if (breaks < GALE_BREAKS_ODDS) loss = strain_loss();
    storm_screen_leave(slot);
    ship->voyage_flags |= VOYAGE_GALE_DAMAGED;
    return loss;
}

TextId beaufort_line(int32_t f) {
    if (f <= 8) return TXT_RE_BEAUFORT_8;
    if (f == 9) return TXT_RE_BEAUFORT_9;
    if (f == 10) return TXT_RE_BEAUFORT_10;
    return TXT_RE_BEAUFORT_UP;
}

TextLines pass_through(Ship* ship, int32_t f) {
    int32_t old = ship->condition;
    int32_t damage = random_range(90, (f - 7) * 400);
    ship->condition -= damage;
    TextLines loss = nullptr;
    if (ship->condition < STORM_SINKS_BELOW) {
        ship->condition = 0;
        loss = poor_state_loss();
    }
    if (ship->condition < STORM_BOX_BELOW) {
        char name[64], state[64];
        std::snprintf(name, sizeof name, lang_text(TXT_RE_PASS_SHIP), ship->name);
        std::snprintf(state, sizeof state, lang_text(TXT_RE_STATE), static_cast<long>(ship->condition / 100));
        TextId how = old - ship->condition >= SEVERE_LOSS ? TXT_RE_SEVERE_DAMAGE : TXT_RE_DAMAGED;
        TextId danger = ship->condition < STORM_DANGER_BELOW ? TXT_RE_DANGER : TXT_RE_BLANK;
        const char* report[] = {name, lang_text(how), state, lang_text(danger), nullptr};
        message_box_animated(report, 0);
    }
    ship->voyage_flags |= VOYAGE_PASSING_STORM;
    return loss;
}

TextLines hard_weather(int32_t player, Shipowner* owner, Ship* ship, int32_t f) {
    g_day_event = 1;
    int32_t slot = storm_screen(player, owner, ship);
    int32_t days = random_range(f - 6, (f - 5) * 3 + 5);
    char days_line[64];
    std::snprintf(days_line, sizeof days_line, lang_text(TXT_RE_TIME_TO_ROUND), static_cast<long>(days));
    const char* question[] = {lang_text(TXT_RE_ATTENTION), lang_text(TXT_RE_HARD_WEATHER),
                              storm_force_line(f), days_line, lang_text(TXT_RE_BLANK), nullptr};
    int32_t answer = choice_box_animated(question, lang_text(TXT_RE_PASS_THROUGH), lang_text(TXT_RE_ROUND), 0);
    TextLines loss = nullptr;
    if (answer == 1) {
        loss = pass_through(ship, f);
    } else {
        ship->heaving_days += days;
    }
    storm_screen_leave(slot);
    ship->voyage_flags |= VOYAGE_STORM_MET;
    return loss;
}

}  // namespace

const char* storm_force_line(int32_t f) { return lang_text(beaufort_line(f)); }

TextLines storm_check(int32_t player, Shipowner* shipowner, Ship* ship, int32_t lon, int32_t lat) {
    int32_t f = weather_wind_smoothed2(lat / 10, lon / 10);
    if ((ship->voyage_flags & VOYAGE_STORM_MET) != 0) {
        if (f < STORM_OVER_BELOW) {
            ship->voyage_flags &= static_cast<uint16_t>(~STORM_BITS);
        } else if (f >= GALE_FROM && (ship->voyage_flags & VOYAGE_PASSING_STORM) != 0 &&
                   (ship->voyage_flags & VOYAGE_GALE_DAMAGED) == 0) {
            return gale(player, shipowner, ship);
        }
        return nullptr;
    }
    if (f >= STORM_FROM) return hard_weather(player, shipowner, ship, f);
    return nullptr;
}
