#include "voyage/manoeuvre_outcome.h"

#include <algorithm>

namespace {

bool within(int32_t d, int32_t limit) { return (d >= 1 && d <= limit) || (d <= -1 && d >= -limit); }

}  // namespace

bool berth_accepts(int32_t berth_heading, int32_t heading, int32_t speed, int32_t telegraph) {
    return berth_heading / 10 == heading / 10 && (speed >> 2) == 0 && telegraph == 0;
}

bool rescue_is_gentle(int32_t speed, int32_t heading, int32_t raft_speed, int32_t raft_heading) {
    if (speed < 0) {
        speed = -speed;
        heading += 180;
    }
    int32_t d = speed - raft_speed;
    if (speed >= 40 && raft_speed >= 40) return within(d, 39) && within(heading - raft_heading, 34);
    return within(d, 39);
}

int32_t contact_damage(int32_t speed, int32_t hits) {
    int32_t damage = hits;
    if (speed > 0) damage = speed >> 3;
    if (speed < 0) damage = -(speed >> 3);
    return std::clamp(damage, 1, 40);
}

TickOutcome tick_outcome(const TickFacts& f) {
    TickOutcome out{f.hits, false};
    if (f.mode < 2) {
        if (f.in_target) {
            // a contact in the box stays a contact: the result is the count and the episode ends
            if (!f.berth || f.berth_taken) out.ended = true;
        } else if (f.ship_off) {
            out = {-3, true};
        }
    } else if (f.ship_off || f.raft_off) {
        out = {-3, true};
    } else if (f.hits > 0 && f.gentle) {
        out = {0, true};
    }
    if (f.tick > f.tick_limit) out = {-2, true};
    return out;
}
