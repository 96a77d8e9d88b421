#include "voyage/radar_motion.h"

#include <algorithm>
#include <cstdlib>

#include "engine/random.h"
#include "voyage/radar.h"
#include "world/sine_table.h"

const RadarTargetStart g_radar_target_starts[RADAR_TARGET_STARTS] = {
    {2, -50, 91},
    {40, -40, 175},
    {-40, -40, 12},
};

namespace {

constexpr int32_t SCOPE_X = 87, SCOPE_Y = 112;

bool in(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

}  // namespace

void radar_run_start(RadarRun* run) {
    *run = RadarRun{};
    run->own = {0, 0, 270 * 128, 60};
    run->telegraph = 60 >> 3;
    run->rudder = 0;
    int32_t start = random_range(0, RADAR_TARGET_STARTS - 1);
    int32_t speed = random_range(40, 110);
    const RadarTargetStart& s = g_radar_target_starts[start];
    run->other = {s.x * 128, s.y * 128, s.heading * 128, speed};
    run->sweep = 270;
    run->result = RADAR_QUIT;
    run->engine_slot = run->crash_slot = -1;
}

int32_t radar_speed_step(int32_t speed, int32_t telegraph) {
    int32_t step = (std::abs(telegraph) >> 4) + 1;
    if (speed < 8 * telegraph) speed += step;
    if (speed > 8 * telegraph) speed -= step;
    return speed;
}

int32_t radar_heading_step(int32_t heading, int32_t rudder, int32_t telegraph, int32_t speed) {
    heading += (4 * rudder * (4 * telegraph + (speed >> 2))) >> 7;
    if (heading >= RADAR_FULL_CIRCLE) heading -= RADAR_FULL_CIRCLE;
    if (heading < 0) heading += RADAR_FULL_CIRCLE;
    return heading;
}

void radar_ship_move(RadarShip* ship, int32_t heading_degrees) {
    ship->x += (cos_deg(heading_degrees) * ship->speed) >> 10;
    ship->y += (sin_deg(heading_degrees) * ship->speed) >> 10;
}

void radar_ships_step(RadarRun* run) {
    RadarShip& own = run->own;
    own.speed = radar_speed_step(own.speed, run->telegraph);
    own.heading = radar_heading_step(own.heading, run->rudder, run->telegraph, own.speed);
    radar_ship_move(&own, own.heading >> 7);
    radar_ship_move(&run->other, run->other.heading >> 7);
}

void radar_key_apply(RadarRun* run, uint32_t key) {
    int32_t& t = run->telegraph;
    int32_t& q = run->rudder;
    switch (key) {
        case RADAR_KEY_FULL_AHEAD:
            if (t < 0) {
                t = 0;
            } else if (t < RADAR_TELEGRAPH_MAX) {
                t = RADAR_TELEGRAPH_MAX;
            }
            break;
        case RADAR_KEY_FULL_ASTERN:
            if (t >= 1) {
                t = 0;
            } else if (t > RADAR_TELEGRAPH_MIN) {
                t = RADAR_TELEGRAPH_MIN;
            }
            break;
        case RADAR_KEY_STOP:
            q = 0;
            t = 0;
            break;
        case 37:  // left arrow or '%'
            q = std::max(q - 1, RADAR_RUDDER_MIN);
            break;
        case 38:  // up arrow or '&'
            t = std::min(t + 1, RADAR_TELEGRAPH_MAX);
            break;
        case 39:  // right arrow or '''
            q = std::min(q + 1, RADAR_RUDDER_MAX);
            break;
        case 40:  // down arrow or '('
            t = std::max(t - 1, RADAR_TELEGRAPH_MIN);
            break;
        default:
            break;
    }
}

int32_t radar_contact_class(int32_t own_degrees, int32_t other_degrees) {
    int32_t d = (own_degrees - other_degrees) % 360;
    if (d < 0) d += 360;
    if (in(d, 86, 94) || in(d, 266, 274)) return RADAR_FLANK;
    if (in(d, 21, 159) || in(d, 201, 339)) return RADAR_CROSSING;
    return RADAR_GLANCING;
}

RadarScopePlace radar_scope_place(const RadarRun& run) {
    int32_t dx = (run.other.x >> 7) - (run.own.x >> 7);
    int32_t dy = (run.other.y >> 7) - (run.own.y >> 7);
    int32_t b = 270 - (run.own.heading >> 7);
    RadarScopePlace p{};
    p.sx = SCOPE_X + ((cos_deg(b) * dx - sin_deg(b) * dy) >> 8);
    p.sy = SCOPE_Y + ((sin_deg(b) * dx + cos_deg(b) * dy) >> 8);
    p.heading = (run.other.heading >> 7) + b;
    return p;
}

int32_t radar_place_result(const RadarRun& run, const RadarScopePlace& p) {
    if (p.sx < 25 || p.sx >= 150 || p.sy < 50 || p.sy >= 175) return RADAR_OUT_OF_SIGHT;
    if (p.sx >= 76 && p.sx < 99 && p.sy >= 101 && p.sy < 124)
        return radar_contact_class(run.own.heading >> 7, run.other.heading >> 7);
    return RADAR_QUIT;
}
