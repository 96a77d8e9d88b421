// The rules that end an episode: berth acceptance, the gentle touch of the raft, the damage.
#include <gtest/gtest.h>

#include "voyage/manoeuvre_outcome.h"

namespace {

TEST(ManoeuvreOutcome, BerthAcceptance) {
    struct Case {
        int32_t berth, heading, speed, telegraph;
        bool accepted;
    } cases[] = {
        {180, 180, 0, 0, true},  {180, 189, 3, 0, true},  {180, 179, 0, 0, false}, {180, 190, 0, 0, false},
        {180, 180, 4, 0, false}, {180, 180, -1, 0, false}, {180, 180, 0, 1, false}, {180, 180, 0, -1, false},
        {0, 0, 0, 0, true},      {0, 9, 0, 0, true},       {0, 359, 0, 0, false},   {0, 10, 0, 0, false},
        {90, 95, 2, 0, true},    {270, 275, 0, 0, true},   {270, 269, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.accepted, berth_accepts(c.berth, c.heading, c.speed, c.telegraph))
            << "berth " << c.berth << " heading " << c.heading << " speed " << c.speed << " telegraph "
            << c.telegraph;
}

TEST(ManoeuvreOutcome, RescueTouch) {
    struct Case {
        const char* what;
        int32_t speed, heading, raft_speed, raft_heading;
        bool gentle;
    } cases[] = {
        {"raft at rest, ship at rest: ramming", 0, 90, 0, 35, false},
        {"raft at rest, ship at 1", 1, 90, 0, 35, true},
        {"raft at rest, ship at 39", 39, 90, 0, 35, true},
        {"raft at rest, ship at 40", 40, 90, 0, 35, false},
        {"both under way, headings 10 apart", 80, 45, 60, 35, true},
        {"both under way, the same heading", 80, 35, 60, 35, false},
        {"both under way, 34 apart", 80, 69, 60, 35, true},
        {"both under way, 35 apart", 80, 70, 60, 35, false},
        {"359 against 5 is 354 apart", 80, 359, 60, 5, false},
        {"the same speed", 60, 45, 60, 35, false},
        {"slower than the raft", 41, 45, 60, 35, true},
        {"astern: speed made positive, heading turned by 180", -80, 30, 60, 200, true},
        {"astern, the turned heading is not wrapped", -80, 210, 60, 200, false},
        {"ship slow, raft fast: heading free", 30, 200, 60, 35, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.gentle, rescue_is_gentle(c.speed, c.heading, c.raft_speed, c.raft_heading)) << c.what;
}

TEST(ManoeuvreOutcome, DamageTable) {
    struct Case {
        int32_t speed, hits, damage;
    } cases[] = {
        {1, 5, 1},   {15, 5, 1},    {16, 5, 2},   {318, 1, 39}, {320, 1, 40}, {-1, 5, 1},
        {-8, 5, 1},  {-9, 5, 2},    {-321, 1, 40}, {0, 1, 1},   {0, 24, 24},  {0, 7, 7},
        {400, 1, 40}, {7, 24, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.damage, contact_damage(c.speed, c.hits)) << "speed " << c.speed << " hits " << c.hits;
}

}  // namespace
