// The rescue's outcome on the shipowner's status, the distress animation's frames, and the loss
// of a ship from any place in its owner's list.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/picture.h"
#include "tests/harness/case_name.h"
#include "tests/voyage/incident_fixture.h"
#include "voyage/incidents.h"
#include "voyage/rescue.h"
#include "world/records.h"

namespace {

using Kinds = std::vector<std::string>;

struct RescueCase {
    const char* what;
    int32_t r;
    int32_t status;
    int32_t status_after;
};

class RescueOutcome : public IncidentTest, public testing::WithParamInterface<RescueCase> {};

TEST_P(RescueOutcome, BooksTheSeamanshipOnTheStatus) {
    const RescueCase& c = GetParam();
    owner_->status = c.status;
    rescue_outcome(0, owner_, ship_, c.r);
    EXPECT_EQ(owner_->status, c.status_after);
    EXPECT_EQ(answered(), Kinds{"box"});
    EXPECT_EQ(ship_->condition, 10000);
}

const RescueCase kRescueCases[] = {
    {"taken on board", 0, 5, 6},
    {"taken on board from nothing", 0, 0, 1},
    {"off the chart", -3, 5, 4},
    {"off the chart at nothing stays", -3, 0, 0},
    {"out of time", -2, 5, 5},
    {"time up", -1, 5, 5},
    {"raft rammed lightly", 1, 5, 4},
    {"raft rammed hard", 40, 5, 4},
    {"raft rammed at nothing stays", 1, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Rescue, RescueOutcome, testing::ValuesIn(kRescueCases), CaseName());

TEST_F(IncidentTest, TheDistressAnimationEndsOnItsSeventhFrame) {
    ASSERT_EQ(picture_load(RESCUE_FRAMES_PICTURE, g_sheet_buffer), 0);
    std::memset(g_screen_buffer, 0, SCREEN_BYTES);
    rescue_distress_animation();
    const RescueFrame& last = g_rescue_frames[RESCUE_FRAMES - 1];
    for (int32_t y = 0; y < RESCUE_FRAME_H; ++y)
        for (int32_t x = 0; x < RESCUE_FRAME_W; ++x)
            ASSERT_EQ(g_screen_buffer[(RESCUE_SPOT_Y + y) * SCREEN_WIDTH + RESCUE_SPOT_X + x],
                      g_sheet_buffer[(last.y + y) * SCREEN_WIDTH + last.x + x])
                << x << "," << y;
    // Nothing outside the raft's place is touched.
    EXPECT_EQ(g_screen_buffer[(RESCUE_SPOT_Y - 1) * SCREEN_WIDTH + RESCUE_SPOT_X], 0);
    EXPECT_EQ(g_screen_buffer[RESCUE_SPOT_Y * SCREEN_WIDTH + RESCUE_SPOT_X + RESCUE_FRAME_W], 0);
}

// ---- Loss of a ship --------------------------------------------------------------------------

struct LossCase {
    const char* what;
    int32_t lost;     // 0 head, 1 middle, 2 last
    int32_t status;
    bool reason;
    int32_t status_after;
};

class ShipLoss : public IncidentTest, public testing::WithParamInterface<LossCase> {};

TEST_P(ShipLoss, UnlinksTheShipAndReturnsTheOneBeforeIt) {
    const LossCase& c = GetParam();
    Ship* fleet[3] = {ship_, new_ship(), new_ship()};
    ASSERT_NE(fleet[1], nullptr);
    ASSERT_NE(fleet[2], nullptr);
    std::strcpy(fleet[1]->name, "Borealis");
    std::strcpy(fleet[2]->name, "Cygnus");
    fleet[1]->ship_type = 2;
    fleet[2]->ship_type = 7;
    append_ship(owner_, fleet[1]);
    append_ship(owner_, fleet[2]);
    owner_->status = c.status;
    int32_t blocks = ship_blocks_in_use();
    g_day_event = 0;

    TextLines reason = c.reason ? collision_loss_text() : nullptr;
    Ship* before = ship_lost(0, owner_, fleet[c.lost], reason);

    EXPECT_EQ(before, c.lost == 0 ? nullptr : fleet[c.lost - 1]);
    std::vector<Ship*> left;
    for (Ship* s = owner_->ships; s != nullptr; s = s->next) left.push_back(s);
    std::vector<Ship*> want;
    for (int32_t k = 0; k < 3; ++k)
        if (k != c.lost) want.push_back(fleet[k]);
    EXPECT_EQ(left, want);
    EXPECT_EQ(ship_blocks_in_use(), blocks - 1);
    EXPECT_EQ(owner_->status, c.status_after);
    EXPECT_EQ(g_day_event, 1);
    // The reason's box, then the tragedy.
    EXPECT_EQ(answered(), c.reason ? (Kinds{"box", "box"}) : Kinds{"box"});
    // A walk over the list goes on with the ship after the lost one.
    Ship* next = before == nullptr ? owner_->ships : before->next;
    EXPECT_EQ(next, c.lost == 2 ? nullptr : fleet[c.lost + 1]);
}

const LossCase kLossCases[] = {
    {"head", 0, 5, true, 4},
    {"middle", 1, 5, false, 4},
    {"last", 2, 5, true, 4},
    {"status 0 stays 0", 1, 0, false, 0},
};
INSTANTIATE_TEST_SUITE_P(Loss, ShipLoss, testing::ValuesIn(kLossCases), CaseName());

TEST_F(IncidentTest, TheOnlyShipLostLeavesAnEmptyList) {
    EXPECT_EQ(ship_lost(0, owner_, ship_, nullptr), nullptr);
    ship_ = nullptr;
    EXPECT_EQ(owner_->ships, nullptr);
    EXPECT_EQ(owner_->status, 4);
}

TEST_F(IncidentTest, AShipNotInTheListIsNotTouched) {
    Ship* stranger = new_ship();
    ASSERT_NE(stranger, nullptr);
    stranger->ship_type = 3;
    int32_t blocks = ship_blocks_in_use();
    g_day_event = 0;
    EXPECT_EQ(ship_lost(0, owner_, stranger, nullptr), stranger);
    EXPECT_EQ(ship_blocks_in_use(), blocks);
    EXPECT_EQ(owner_->ships, ship_);
    EXPECT_EQ(owner_->status, 5);
    EXPECT_EQ(g_day_event, 0);
    EXPECT_EQ(answered(), Kinds{});
    free_ship(stranger);
}

}  // namespace
