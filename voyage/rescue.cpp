// The distress call: the raft's signals seen from the deck, then the player steers to the raft.
#include "voyage/rescue.h"

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/intmath.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "host/sound_library.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "voyage/animated_boxes.h"
#include "voyage/incident_screens.h"
#include "voyage/incidents.h"
#include "voyage/manoeuvre.h"
#include "voyage/route_events.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

constexpr int32_t MODE_RAFT = 2;
constexpr int32_t RAFT_DRIFT_PER_FORCE = 20;
constexpr int32_t SOUND_LOOPS = 9999;
constexpr int32_t QUIET = 1;

void status_down(Shipowner* shipowner) {
    shipowner->status = wrap_sub(shipowner->status, 1);
    if (shipowner->status < 0) shipowner->status = 0;
}

void outcome_box(const TextId* ids, int32_t count) {
    IncidentLines lines;
    incident_lines_fill(&lines, ids, count);
    message_box(lines.line, 0);
}

}  // namespace

void rescue_distress_animation() {
    int32_t tick = 0;
    int32_t phase = 0;
    for (int32_t round = 0; round < RESCUE_ROUNDS; ++round) {
        for (const RescueFrame& f : g_rescue_frames) {
            blit_to_screen(g_sheet_buffer, f.x, f.y, RESCUE_SPOT_X, RESCUE_SPOT_Y, RESCUE_FRAME_W, RESCUE_FRAME_H,
                           BLIT_COPY);
            for (int32_t k = 0; k < RESCUE_WAVE_STEPS; ++k) palette_wave_step(&tick, &phase, QUIET);
        }
    }
}

void rescue_outcome(int32_t player, Shipowner* shipowner, Ship* ship, int32_t r) {
    clear_screen_grey();
    draw_ship_caption(player, ship);
    if (r == MANOEUVRE_SUCCESS) {
        shipowner->status = wrap_add(shipowner->status, 1);
        static const TextId ids[] = {TXT_INC_RESCUED_1, TXT_INC_RESCUED_2, TXT_INC_RESCUED_3};
        outcome_box(ids, 3);
    } else if (r == MANOEUVRE_OFF_CHART) {
        status_down(shipowner);
        static const TextId ids[] = {TXT_INC_OFF_CHART_1, TXT_INC_OFF_CHART_2, TXT_INC_OFF_CHART_3};
        outcome_box(ids, 3);
    } else if (r == MANOEUVRE_OUT_OF_TIME || r == -1) {
        static const TextId ids[] = {TXT_INC_TOO_LATE_1, TXT_INC_TOO_LATE_2, TXT_INC_TOO_LATE_3,
                                     TXT_INC_TOO_LATE_4};
        outcome_box(ids, 4);
    } else if (r >= 1) {
        status_down(shipowner);
        static const TextId ids[] = {TXT_INC_RAMMED_1, TXT_INC_RAMMED_2, TXT_INC_RAMMED_3, TXT_INC_RAMMED_4};
        outcome_box(ids, 4);
    }
    clear_screen();
}

void emergency_rescue_event(int32_t player, Shipowner* shipowner, Ship* ship, int32_t lon, int32_t lat) {
    int32_t f = weather_wind_smoothed2(lat / 10, lon / 10);
    if (f >= RESCUE_WIND_LIMIT) return;  // the call is lost in the weather

    g_day_event = 1;
    show_map_with_ship_and_leave(player, shipowner, ship);
    picture_load(RESCUE_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    picture_load(RESCUE_FRAMES_PICTURE, g_sheet_buffer);
    int32_t sound = sound_load(RESCUE_SOUND);
    screen_show_buffer(g_background_buffer);
    draw_ship_caption(player, ship);
    sound_play(SOUND_LOOPS, sound);

    rescue_distress_animation();
    static const TextId ids[] = {TXT_INC_EMERGENCY_1, TXT_INC_EMERGENCY_2};
    IncidentLines lines;
    incident_lines_fill(&lines, ids, 2);
    message_box_animated(lines.line, QUIET);
    sound_stop(sound);
    sound_free(sound);
    clear_screen();

    int32_t raft_start = random_range(0, 3);
    int32_t ship_start = random_range(0, 3);
    int32_t r = manoeuvre_run(MODE_RAFT, ship->ship_type, f * RAFT_DRIFT_PER_FORCE, ship_start, raft_start,
                              g_difficulty_allowance, nullptr);
    rescue_outcome(player, shipowner, ship, r);
}
