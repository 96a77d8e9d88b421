// What a manoeuvre at sea leads to: the award once, the damage (never below 0 and never a loss)
// and the charges, booked to cash and the general expenses together even into the red.
#include <gtest/gtest.h>

#include "tests/harness/case_name.h"
#include "tests/voyage/voyage_fixture.h"
#include "voyage/sea_manoeuvre_outcome.h"
#include "world/records.h"

namespace {

struct OutcomeCase {
    const char* what;
    int32_t r;
    int32_t condition;
    int32_t cash;
    bool awarded_before;
    int32_t condition_after;
    int32_t charge;
    int32_t status_gain;
};

class SeaOutcome : public VoyageTest, public testing::WithParamInterface<OutcomeCase> {};

TEST_P(SeaOutcome, ChangesConditionCashExpensesAndStatus) {
    const OutcomeCase& c = GetParam();
    ship_->condition = c.condition;
    owner_->cash = c.cash;
    owner_->expenses_general = 40;
    owner_->status = 3;
    owner_->achievements = c.awarded_before ? uint32_t{ACHIEVEMENT_REEF} : 0u;
    const char* success[] = {"well done", nullptr};
    sea_manoeuvre_outcome(0, owner_, ship_, c.r, success, ACHIEVEMENT_REEF);
    EXPECT_EQ(ship_->condition, c.condition_after);
    EXPECT_EQ(owner_->cash, c.cash - c.charge);
    EXPECT_EQ(owner_->expenses_general, 40 + c.charge);
    EXPECT_EQ(owner_->status, 3 + c.status_gain);
    EXPECT_EQ((owner_->achievements & ACHIEVEMENT_REEF) != 0, c.awarded_before || c.r == 0);
    EXPECT_EQ(keys_typed(), 1) << "one box, answered";
}

INSTANTIATE_TEST_SUITE_P(
    Results, SeaOutcome,
    testing::Values(OutcomeCase{"success earns status once", 0, 8000, 1000, false, 8000, 0, 1},
                    OutcomeCase{"success again earns nothing", 0, 8000, 1000, true, 8000, 0, 0},
                    OutcomeCase{"one hit costs 100 and the help", 1, 8000, 1000, false, 7900, 300, 0},
                    OutcomeCase{"forty hits cost 2050", 40, 8000, 1000, false, 5950, 300, 0},
                    OutcomeCase{"damage stops at 0", 40, 1000, 1000, false, 0, 300, 0},
                    OutcomeCase{"off the chart: the tow", -3, 8000, 1000, false, 8000, 800, 0},
                    OutcomeCase{"time up: the help", -2, 8000, 1000, false, 8000, 500, 0},
                    OutcomeCase{"minus one reads as time up", -1, 8000, 1000, false, 8000, 500, 0},
                    OutcomeCase{"booked into the red", -3, 8000, 100, false, 8000, 800, 0}),
    CaseName());

}  // namespace
