// A ship on collision course: the alarm letter, the radar exercise (or the dice in pure economy)
// and what the encounter did to the ship.
#include "engine/draw.h"
#include "engine/intmath.h"
#include "engine/random.h"
#include "ui/letter.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "voyage/incident_screens.h"
#include "voyage/incidents.h"
#include "voyage/radar.h"
#include "voyage/route_events.h"
#include "world/records.h"

namespace {

IncidentLines s_loss;

// Pure economy: each step worse than the last comes one time in ten.
int32_t collision_by_dice() {
    int32_t r = RADAR_OUT_OF_SIGHT;
    int32_t roll = random_range(0, 100);
    if (roll >= 10) return r;
    r = RADAR_GLANCING;
    roll = random_range(0, 100);
    if (roll >= 10) return r;
    r = RADAR_CROSSING;
    roll = random_range(0, 100);
    if (roll < 10) r = RADAR_FLANK;
    return r;
}

void result_box(const TextId* ids, int32_t count) {
    IncidentLines lines;
    incident_lines_fill(&lines, ids, count);
    message_box(lines.line, 0);
}

}  // namespace

TextLines collision_loss_text() {
    static const TextId ids[] = {TXT_INC_COLLISION_LOSS_1, TXT_INC_COLLISION_LOSS_2, TXT_INC_COLLISION_LOSS_3,
                                 TXT_INC_COLLISION_LOSS_4};
    incident_lines_fill(&s_loss, ids, 4);
    return s_loss.line;
}

TextLines collision_outcome(int32_t player, Ship* ship, int32_t r) {
    clear_screen_grey();
    draw_ship_caption(player, ship);
    TextLines loss = nullptr;
    if (r == RADAR_GLANCING) {
        static const TextId ids[] = {TXT_INC_GLANCING_1, TXT_INC_GLANCING_2, TXT_INC_GLANCING_3};
        result_box(ids, 3);
        int32_t damage = random_range(100, 500);
        ship->condition = wrap_sub(ship->condition, damage);
    } else if (r == RADAR_CROSSING) {
        static const TextId ids[] = {TXT_INC_CROSSING_1, TXT_INC_CROSSING_2, TXT_INC_BLANK, TXT_INC_CROSSING_4};
        result_box(ids, 4);
        int32_t damage = random_range(500, 2000);
        ship->condition = wrap_sub(ship->condition, damage);
    } else if (r == RADAR_FLANK) {
        static const TextId ids[] = {TXT_INC_FLANK_1, TXT_INC_FLANK_2, TXT_INC_FLANK_3, TXT_INC_FLANK_4,
                                     TXT_INC_FLANK_5};
        result_box(ids, 5);
        loss = collision_loss_text();
    } else if (r == RADAR_OUT_OF_SIGHT) {
        static const TextId ids[] = {TXT_INC_OUT_OF_SIGHT_1, TXT_INC_OUT_OF_SIGHT_2, TXT_INC_OUT_OF_SIGHT_3};
        result_box(ids, 3);
    }
    if (ship->condition < 0) {
        ship->condition = 0;
        loss = collision_loss_text();
    }
    return loss;
}

void collision_alarm(int32_t player, Shipowner* shipowner, Ship* ship) {
    static const TextId ids[] = {TXT_INC_ALARM_1, TXT_INC_ALARM_2, TXT_INC_ALARM_3,
                                 TXT_INC_ALARM_4, TXT_INC_BLANK,   TXT_INC_ALARM_6};
    IncidentLines letter;
    incident_lines_fill(&letter, ids, 6);
    letter_show(player, shipowner, ship, letter.line, 0);
}

TextLines collision_threat(int32_t player, Shipowner* shipowner, Ship* ship) {
    g_day_event = 1;
    collision_alarm(player, shipowner, ship);
    int32_t r = RADAR_OUT_OF_SIGHT;
    if (g_sim_mode == 0) {
        clear_main_screen_flag();
        r = collision_radar_run();
    } else {
        r = collision_by_dice();
    }
    TextLines loss = collision_outcome(player, ship, r);
    ship->voyage_flags |= VOYAGE_INCIDENT_DONE;
    clear_screen();
    return loss;
}
