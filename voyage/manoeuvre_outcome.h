// The rules that decide an episode: a berth taken, a rescue made gently, and the damage of a
// contact.
#pragma once

#include <cstdint>

// A berth is taken when the ship lies stopped (speed / 4 is 0, the telegraph at 0) on a heading
// in the berth heading's ten-degree band (berth heading 0 takes 0..9).
bool berth_accepts(int32_t berth_heading, int32_t heading, int32_t speed, int32_t telegraph);
// A touch of the raft is a rescue when the ship's speed (made positive, astern as the opposite
// heading) differs from the raft's by 1..39 and, both at 40 or more, the headings differ by 1..34
// without wrapping.
bool rescue_is_gentle(int32_t speed, int32_t heading, int32_t raft_speed, int32_t raft_heading);
// The damage of a contact at speed with hits contacts: speed / 8 (at rest the contacts), 1..40.
int32_t contact_damage(int32_t speed, int32_t hits);

// What one tick decided. result is the episode's result so far (the contact count, 0, -3 or -2);
// the episode goes on while ended is false and result is 0.
struct TickOutcome {
    int32_t result;
    bool ended;
};
// What the ship's place after a tick means for the episode.
struct TickFacts {
    int32_t mode;         // 0 harbour, 1 open water, 2 rescue
    int32_t hits;         // contacts found this tick
    bool in_target;       // the ship's box lies in the target box
    bool berth;           // the target is a berth (harbour, box min x > 0)
    bool berth_taken;     // berth_accepts for this tick's heading, speed and telegraph
    bool ship_off;        // the ship's box lies wholly off the screen
    bool raft_off;        // the raft's square left the screen
    bool gentle;          // rescue_is_gentle for this tick
    int32_t tick;         // counted after this tick
    int32_t tick_limit;
};
TickOutcome tick_outcome(const TickFacts& f);
