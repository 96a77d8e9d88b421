// The ship on the screen: its placed and drawn shape, the contacts of its hull with the coast,
// the target box and the screen's edges, and the rules a tick ends the episode by.
#include <gtest/gtest.h>

#include <vector>

#include "engine/draw.h"

#include "host/headless_host.h"
#include "tests/voyage/sim_fixture.h"
#include "voyage/manoeuvre_outcome.h"
#include "voyage/ship_collision.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"

namespace {

class ShipCollisionTest : public SimTest {
  protected:
    // The small outline (models 3, 5, 7) at (x, y): hull x - 16 .. x + 22, y - 3 .. y + 3 at heading 0.
    void place(int32_t x, int32_t y, int32_t heading = 0) {
        g_sim_outline = ship_outline_for(3);
        ship_shape_build(x, y, heading);
    }
    std::vector<int32_t> coast;
    int32_t contacts() {
        g_sim_coast = coast.data();
        return ship_collision_count();
    }
};

TEST_F(ShipCollisionTest, ShapeAndBoxOfEachOutline) {
    struct Case {
        int32_t model, heading;
        int32_t box[4];
    } cases[] = {
        {1, 0, {70, 96, 133, 104}},  {2, 0, {78, 97, 126, 103}},  {3, 0, {84, 97, 122, 103}},
        {0, 0, {70, 96, 133, 104}},  {8, 0, {70, 96, 133, 104}},  {1, 180, {67, 96, 129, 103}},
        {1, 90, {96, 70, 104, 133}}, {3, 270, {97, 78, 102, 115}},
    };
    // the table's cosine of 180 and sine of 270 are -255, so those shapes come out a pixel short
    for (const Case& c : cases) {
        g_sim_outline = ship_outline_for(c.model);
        ship_shape_build(100, 100, c.heading);
        for (int32_t k = 0; k < 4; ++k)
            EXPECT_EQ(c.box[k], g_sim_ship_box[k]) << "model " << c.model << " heading " << c.heading << " corner " << k;
    }
    // the hull entry repeats its first point; the details follow; the list ends in 0
    g_sim_outline = ship_outline_for(1);
    ship_shape_build(100, 100, 0);
    EXPECT_EQ(6, g_sim_shape[0]);
    EXPECT_EQ(g_sim_shape[1], g_sim_shape[11]);
    EXPECT_EQ(g_sim_shape[2], g_sim_shape[12]);
    EXPECT_EQ(5, g_sim_shape[13]);  // first detail: 4 + 1 points
    EXPECT_EQ(4, g_sim_shape[14]);
    EXPECT_EQ(-1, g_sim_shape[37]);  // first dot
    EXPECT_EQ(12, g_sim_shape[38]);
    EXPECT_EQ(74, g_sim_shape[39]);
    EXPECT_EQ(0, g_sim_shape[45]);
}

TEST_F(ShipCollisionTest, ContactsOfTheHullWithTheCoast) {
    struct Case {
        const char* what;
        std::vector<int32_t> coast;
        int32_t x, y, contacts;
    } cases[] = {
        {"clear of a wall ahead", {100, 0, 100, 199, -1, -1}, 70, 100, 0},
        {"bow through a wall", {100, 0, 100, 199, -1, -1}, 80, 100, 2},
        {"wall left of the box", {10, 0, 10, 199, -1, -1}, 80, 100, 0},
        {"a wall along the side meets its two corners", {0, 97, 300, 97, -1, -1}, 80, 100, 2},
        {"no segment across a break", {60, 90, 60, 91, -2, -2, 90, 110, 90, 111, -1, -1}, 80, 100, 0},
        {"the same points joined are a segment", {60, 90, 90, 110, -1, -1}, 80, 100, 2},
    };
    for (const Case& c : cases) {
        coast = c.coast;
        place(c.x, c.y);
        EXPECT_EQ(c.contacts, contacts()) << c.what;
    }
}

TEST_F(ShipCollisionTest, AtMost24Contacts) {
    coast.clear();
    for (int32_t x = 66; x <= 98; x += 2) {
        coast.push_back(x);
        coast.push_back(x % 4 == 0 ? 90 : 110);
    }
    coast.push_back(-1);
    coast.push_back(-1);
    place(80, 100);
    EXPECT_EQ(SHIP_CONTACTS_MAX, contacts());
}

TEST_F(ShipCollisionTest, OffTheScreenOnlyWhenTheWholeBoxIs) {
    struct Case {
        int32_t box[4];
        int32_t off;
    } cases[] = {
        {{-40, 50, -1, 60}, 1}, {{-40, 50, 0, 60}, 0},   {{319, 50, 350, 60}, 0}, {{320, 50, 350, 60}, 1},
        {{10, 199, 50, 210}, 0}, {{10, 200, 50, 210}, 1}, {{10, -10, 50, -1}, 1},  {{10, -10, 50, 0}, 0},
    };
    for (const Case& c : cases) {
        for (int32_t k = 0; k < 4; ++k) g_sim_ship_box[k] = c.box[k];
        EXPECT_EQ(c.off, ship_off_screen()) << c.box[0] << "," << c.box[1] << "-" << c.box[2] << "," << c.box[3];
    }
}

TEST_F(ShipCollisionTest, InTheTargetBoxOnlyWhenWhollyInside) {
    const int32_t target[4] = {170, 151, 250, 163};
    for (int32_t k = 0; k < 4; ++k) g_sim_target_box[k] = target[k];
    struct Case {
        int32_t box[4];
        int32_t inside;
    } cases[] = {
        {{170, 151, 250, 163}, 1}, {{169, 155, 200, 160}, 0}, {{200, 155, 251, 160}, 0},
        {{200, 150, 210, 160}, 0}, {{200, 155, 210, 164}, 0}, {{180, 152, 240, 162}, 1},
    };
    for (const Case& c : cases) {
        for (int32_t k = 0; k < 4; ++k) g_sim_ship_box[k] = c.box[k];
        EXPECT_EQ(c.inside, ship_in_target_box()) << c.box[0] << "," << c.box[1];
    }
}

TEST_F(ShipCollisionTest, DrawingWaitsATickAndErasesTheOldShape) {
    clear_screen_to(1);
    g_sim_outline = ship_outline_for(1);
    ship_draw(100, 100, 0, 0);
    EXPECT_EQ(16u, headless_now());
    EXPECT_EQ(8, pixel(100, 97));    // hull
    EXPECT_EQ(7, pixel(100, 96));    // its outline
    EXPECT_EQ(4, pixel(75, 97));     // the after hatch
    EXPECT_EQ(12, pixel(131, 100));  // the bow light
    ship_draw(100, 140, 90, 0);
    EXPECT_EQ(1, pixel(100, 97)) << "the old shape erased";
    EXPECT_EQ(1, pixel(75, 97));
    EXPECT_EQ(8, pixel(97, 150));
}

TEST_F(ShipCollisionTest, TargetMarkerByHeading) {
    clear_screen_to(1);
    const int32_t berth[4] = {170, 151, 250, 163};
    for (int32_t k = 0; k < 4; ++k) g_sim_target_box[k] = berth[k];
    g_sim_target_heading = 180;
    target_marker_draw();
    EXPECT_EQ(2, pixel(170, 157));  // the point at the left
    EXPECT_EQ(1, pixel(170, 151));
    EXPECT_EQ(2, pixel(250, 151));
    // a box past the left edge is drawn from x 0 pointing left
    const int32_t entrance[4] = {-100, 72, 30, 148};
    for (int32_t k = 0; k < 4; ++k) g_sim_target_box[k] = entrance[k];
    g_sim_target_heading = 0;
    target_marker_draw();
    EXPECT_EQ(2, pixel(0, 110));
    EXPECT_EQ(2, pixel(30, 72));
    EXPECT_EQ(1, pixel(0, 72));
    // the rescue's heading 999 draws nothing (its box is all 0)
    clear_screen_to(1);
    for (int32_t& v : g_sim_target_box) v = 0;
    g_sim_target_heading = 999;
    target_marker_draw();
    EXPECT_EQ(1, pixel(30, 72));
}

TEST(TickOutcome, WhatATickDecides) {
    struct Case {
        const char* what;
        TickFacts f;
        int32_t result;
        bool ended;
    } cases[] = {
        {"open water, in the box", {1, 0, true, false, false, false, false, false, 10, 100}, 0, true},
        {"harbour entrance, in the box", {0, 0, true, false, false, false, false, false, 10, 100}, 0, true},
        {"berth not taken yet", {0, 0, true, true, false, false, false, false, 10, 100}, 0, false},
        {"berth taken", {0, 0, true, true, true, false, false, false, 10, 100}, 0, true},
        {"contact in the box is damage", {0, 3, true, true, true, false, false, false, 10, 100}, 3, true},
        {"contact outside", {1, 2, false, false, false, false, false, false, 10, 100}, 2, false},
        {"off the chart", {1, 0, false, false, false, true, false, false, 10, 100}, -3, true},
        {"success and the tick limit together", {0, 0, true, true, true, false, false, false, 101, 100}, -2, true},
        {"contact and the tick limit together", {1, 4, false, false, false, false, false, false, 101, 100}, -2, true},
        {"the last tick within the limit", {1, 0, false, false, false, false, false, false, 100, 100}, 0, false},
        {"rescue, gentle touch", {2, 1, false, false, false, false, false, true, 10, 100}, 0, true},
        {"rescue, ramming", {2, 1, false, false, false, false, false, false, 10, 100}, 1, false},
        {"rescue, raft drifted off", {2, 1, false, false, false, false, true, true, 10, 100}, -3, true},
        {"rescue, ship off", {2, 0, false, false, false, true, false, false, 10, 100}, -3, true},
    };
    for (const Case& c : cases) {
        TickOutcome out = tick_outcome(c.f);
        EXPECT_EQ(c.result, out.result) << c.what;
        EXPECT_EQ(c.ended, out.ended) << c.what;
    }
}

}  // namespace
