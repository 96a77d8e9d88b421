// The ranking list (leader, bricks, bars, crown, its wait for OK) and the property statistics
// (rounded bounds, the graph and its text).
#include "business/ranking.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "host/headless_host.h"
#include "tests/business/office_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "world/records.h"

namespace {

struct LeaderCase {
    const char* what;
    std::vector<int32_t> status;
    std::vector<int32_t> worth;
    int32_t leader;
};

class RankingLeader : public testing::TestWithParam<LeaderCase> {};

TEST_P(RankingLeader, StatusFirstThenWorth) {
    const LeaderCase& c = GetParam();
    EXPECT_EQ(ranking_leader(c.status.data(), c.worth.data(), static_cast<int32_t>(c.status.size())),
              c.leader);
}

INSTANTIATE_TEST_SUITE_P(
    Ranking, RankingLeader,
    testing::Values(LeaderCase{"5 5 3 with 100 200 900 crowns the second", {5, 5, 3}, {100, 200, 900}, 1},
                    LeaderCase{"shared highest status goes to the higher worth", {7, 7}, {300, 200}, 0},
                    LeaderCase{"equal status and worth crown nobody", {7, 7}, {300, 300}, -1},
                    LeaderCase{"a tie below the leader does not matter", {9, 4, 4}, {10, 500, 500}, 0},
                    LeaderCase{"a tie with the leader among three", {2, 8, 8, 8}, {0, 100, 400, 400}, -1},
                    LeaderCase{"the highest status wins over any worth", {1, 3}, {9000, -50}, 1},
                    LeaderCase{"statuses 0 and -1", {-1, 0}, {900, 100}, 1},
                    LeaderCase{"a single shipowner", {-1}, {-400}, 0}),
    CaseName());

class RankingScreen : public OfficeTest {
  protected:
    void SetUp() override {
        OfficeTest::SetUp();
        ranking_picture.resize(SCREEN_BYTES);
        crown_picture.resize(SCREEN_BYTES);
        ASSERT_EQ(picture_load(RANKING_PICTURE, ranking_picture.data()), 0);
        ASSERT_EQ(picture_load(RANKING_CROWN_PICTURE, crown_picture.data()), 0);
    }
    // Shipowners without ships, so that the net worth is the cash.
    static void owners(const std::vector<int32_t>& status, const std::vector<int32_t>& worth) {
        g_shipowner_count = static_cast<int8_t>(status.size());
        const char* companies[] = {"Oceanic", "Pacifica", "Nordsee", "Atlantis"};
        for (size_t i = 0; i < status.size(); ++i) {
            Shipowner& o = g_shipowners[i];
            o = Shipowner{};
            std::snprintf(o.company, RECORD_NAME_SIZE, "%s", companies[i]);
            o.home_port = 1;
            o.status = status[i];
            o.cash = worth[i];
        }
    }
    // Runs the list, OK at 30 s; the number of random draws it made.
    int32_t run() {
        headless_script(headless_now() + 30000, HEADLESS_KEY, KEY_ENTER);
        const uint16_t before = g_random_counter;
        ranking_list_screen();
        return static_cast<uint16_t>(g_random_counter - before);
    }
    int32_t shown(int32_t x, int32_t y) const {
        return last_frame[static_cast<size_t>(y * SCREEN_WIDTH + x)];
    }
    int32_t ranking(int32_t x, int32_t y) const {
        return ranking_picture[static_cast<size_t>(y * SCREEN_WIDTH + x)];
    }
    // The frame pixel is the ranking picture's pixel at (sx, sy) or the one left of it (the jitter).
    bool copied(int32_t x, int32_t y, int32_t sx, int32_t sy) const {
        return shown(x, y) == ranking(sx, sy) || shown(x, y) == ranking(sx - 1, sy);
    }
    bool crown_at(int32_t column) const {
        const RankingSprite& c = RANKING_CROWN;
        int32_t drawn = 0;
        for (int32_t y = 0; y < c.h; ++y)
            for (int32_t x = 0; x < c.w; ++x) {
                const int32_t p = crown_picture[static_cast<size_t>((c.y + y) * SCREEN_WIDTH + c.x + x)];
                if (p == 32) continue;
                if (shown(80 * column + 21 + x, 22 + y) != p) return false;
                ++drawn;
            }
        return drawn > 0;
    }
    std::vector<uint8_t> ranking_picture, crown_picture;
};

TEST_F(RankingScreen, StatusZeroOrBelowIsTheBaseLineAndTheLowestWorthOnePiece) {
    owners({0, -1}, {100, 200});
    // Worths within 1000 k$ still scale to 1000: the lowest bar is one piece at y 134, the other
    // rises 200 - 100 = 100 / 1000 x 80 = 8 rows to y 126.
    EXPECT_EQ(run(), 1 + 9) << "one draw per bar row, none for the base lines";
    for (int32_t k = 0; k < 2; ++k) {
        const int32_t x0 = 80 * k + 20;
        for (int32_t x = x0; x <= x0 + 32; ++x) EXPECT_EQ(shown(x, 136), 0) << "column " << k << " x " << x;
        EXPECT_EQ(shown(x0 + 16, 128), ranking(x0 + 16, 128)) << "no brick in column " << k;
    }
    const RankingSprite& piece = RANKING_WORTH_PIECE;
    EXPECT_TRUE(copied(66, 134, piece.x + 6, piece.y));
    EXPECT_EQ(shown(66, 133), ranking(66, 133));
    EXPECT_TRUE(copied(146, 126, piece.x + 6, piece.y));
    EXPECT_EQ(shown(146, 125), ranking(146, 125));
    EXPECT_TRUE(crown_at(0)) << "status 0 is the highest";
    EXPECT_TRUE(shows_text(last_frame, 20, 140, "Ocean"));
    EXPECT_TRUE(shows_text(last_frame, 100, 140, "Pacif"));
}

TEST_F(RankingScreen, TenPointsStackFullBricksWithJitter) {
    // The scale is at least 10 points: h = 8, full 33 x 9 bricks, the tenth at y 136 - 80 = 56.
    owners({10, 4, 10, 1}, {5000, 3000, 5000, 1000});
    // One draw per brick, then one per bar row: worths 1000..5000 rise 80, 40, 80 and 0 rows.
    EXPECT_EQ(run(), 10 + 4 + 10 + 1 + (81 + 41 + 81 + 1));
    const RankingSprite& brick = RANKING_BRICK;
    EXPECT_TRUE(copied(20 + 16, 56, brick.x + 16, brick.y));
    EXPECT_EQ(shown(20 + 16, 55), ranking(20 + 16, 55));
    EXPECT_TRUE(copied(100 + 16, 136 - 32, brick.x + 16, brick.y)) << "four points reach y 104";
    EXPECT_EQ(shown(100 + 16, 103), ranking(100 + 16, 103));
    EXPECT_FALSE(crown_at(0));
    EXPECT_FALSE(crown_at(2)) << "equal status and worth: no crown";
}

TEST_F(RankingScreen, MoreThanTenPointsStackThinSlices) {
    // Twelve points: h = 80 / 12 = 6, slices of 7 rows without jitter; the first shows the brick's
    // bottom rows, the last its top rows, the others its top rows moved by the jitter.
    owners({12, 3}, {100, 100});
    run();
    const RankingSprite& brick = RANKING_BRICK;
    EXPECT_EQ(shown(20 + 16, 130), ranking(brick.x + 16, brick.y + 8 - 6)) << "point 1 at y 130";
    EXPECT_EQ(shown(20 + 16, 56), ranking(brick.x + 16, brick.y)) << "point 12 at y 56";
    EXPECT_EQ(shown(20 + 16, 55), ranking(20 + 16, 55));
    const int32_t middle = shown(20 + 16, 103);  // point 5
    EXPECT_TRUE(middle == ranking(brick.x + 16, brick.y) || middle == ranking(brick.x + 16, brick.y + 1));
    // Three points on a scale of 12 reach y 136 - 3 x 80 / 12 = 116.
    EXPECT_EQ(shown(100 + 16, 116), ranking(brick.x + 16, brick.y));
    EXPECT_EQ(shown(100 + 16, 115), ranking(100 + 16, 115));
    EXPECT_TRUE(crown_at(0));
}

TEST_F(RankingScreen, FewPointsStillStackFullBricksOnATenPointScale) {
    owners({3}, {100});
    EXPECT_EQ(run(), 3 + 1);
    const RankingSprite& brick = RANKING_BRICK;
    EXPECT_TRUE(copied(20 + 16, 112, brick.x + 16, brick.y)) << "point 3 at y 136 - 24";
    EXPECT_EQ(shown(20 + 16, 111), ranking(20 + 16, 111));
}

TEST_F(RankingScreen, JitterIsDrawnBrickByBrickThenRowByRowColumnByColumn) {
    owners({10, 6}, {1000, 1500});
    // The jitter the generator will give: column 0's ten bricks and its one bar row, then column
    // 1's six bricks and its 41 rows.
    const uint16_t seed = g_random_seed, counter = g_random_counter, value = g_random_value;
    std::vector<int32_t> jitter;
    for (int32_t i = 0; i < 10 + 1 + 6 + 41; ++i) jitter.push_back(random_range(0, 1));
    g_random_seed = seed;
    g_random_counter = counter;
    g_random_value = value;
    run();
    const RankingSprite& brick = RANKING_BRICK;
    // Row 4 of a brick belongs to it alone: its left column moved by the jitter or not.
    auto drawn_jitter = [&](int32_t k, int32_t i) {
        const int32_t x0 = 80 * k + 20, y = 136 - i * 8 + 4;
        const int32_t left = brick.x, right = brick.x + brick.w - 1, row = brick.y + 4;
        if (shown(x0, y) == ranking(left, row) && shown(x0 + 33, y) == ranking(x0 + 33, y)) return 0;
        if (shown(x0, y) == ranking(x0, y) && shown(x0 + 33, y) == ranking(right, row)) return 1;
        return -1;
    };
    for (int32_t i = 1; i <= 10; ++i) EXPECT_EQ(drawn_jitter(0, i), jitter[static_cast<size_t>(i - 1)]) << i;
    for (int32_t i = 1; i <= 6; ++i) EXPECT_EQ(drawn_jitter(1, i), jitter[static_cast<size_t>(10 + i)]) << i;
}

TEST_F(RankingScreen, CrownsTheHigherWorthAmongTheHighestStatus) {
    owners({5, 5, 3}, {100, 200, 900});
    run();
    EXPECT_FALSE(crown_at(0));
    EXPECT_TRUE(crown_at(1));
    EXPECT_FALSE(crown_at(2));
}

TEST_F(RankingScreen, SkipsShipownersOutOfTheGame) {
    owners({3, 6, 2, 8}, {1000, 2000, 3000, 4000});
    g_shipowners[1].out_of_game = 1;
    run();
    EXPECT_TRUE(shows_text(last_frame, 20, 140, "Ocean"));
    EXPECT_TRUE(shows_text(last_frame, 100, 140, "Nords"));
    EXPECT_TRUE(shows_text(last_frame, 180, 140, "Atlan"));
    EXPECT_TRUE(crown_at(2)) << "the crown goes to the column, not the shipowner's index";
}

TEST_F(RankingScreen, WaitsForOkWhileAQuitIsPending) {
    owners({2}, {100});
    g_quit = 1;
    run();
    EXPECT_GE(headless_now(), 30000u);
    EXPECT_EQ(g_quit, 1);
    g_quit = 0;
}

TEST_F(RankingScreen, NobodyInTheGameEndsAtOnce) {
    owners({3}, {100});
    g_shipowners[0].out_of_game = 1;
    const uint32_t start = headless_now();
    ranking_list_screen();
    EXPECT_LT(headless_now() - start, 1000u);
    EXPECT_EQ(g_screen_button_last, -1);
}

struct BoundsCase {
    const char* what;
    int32_t high, low;  // written into the window, the rest of it at the low value
    int32_t max, min;
};

class StatisticsBounds : public OfficeTest, public testing::WithParamInterface<BoundsCase> {};

TEST_P(StatisticsBounds, RoundsPastTheExtremes) {
    const BoundsCase& c = GetParam();
    Shipowner& owner = g_shipowners[0];
    // The newest entry at 100: the window wraps from 156 through 255 to 100.
    owner.history_index = 100;
    for (int32_t& v : owner.net_worth_history) v = 99999;  // outside the window from here on
    for (int32_t d = 0; d < STATISTICS_DAYS; ++d) owner.net_worth_history[(156 + d) & 255] = c.low;
    owner.net_worth_history[200] = c.high;
    int32_t max = 0, min = 0;
    statistics_bounds(&owner, &max, &min);
    EXPECT_EQ(max, c.max);
    EXPECT_EQ(min, c.min);
}

INSTANTIATE_TEST_SUITE_P(Statistics, StatisticsBounds,
                         testing::Values(BoundsCase{"4100 flat", 4100, 4100, 5000, 4000},
                                         BoundsCase{"5000 rounds up to 6000", 5000, 0, 6000, 0},
                                         BoundsCase{"-300 rounds up to 0", -300, -300, 0, -1000},
                                         BoundsCase{"-1500 rounds up to 0", -1500, -1500, 0, -2000},
                                         BoundsCase{"-2500 rounds up to -1000", -2500, -2500, -1000, -3000},
                                         BoundsCase{"-1 rounds down to -1000", 10, -1, 1000, -1000},
                                         BoundsCase{"-1000 rounds down to -2000", 10, -1000, 1000, -2000},
                                         BoundsCase{"999 rounds down to 0", 999, 999, 1000, 0}),
                         CaseName());

TEST_F(OfficeTest, StatisticsOfAFlatRingDrawALineAtRow140) {
    Shipowner& owner = g_shipowners[0];
    for (int32_t& v : owner.net_worth_history) v = 4100;
    owner.history_index = 7;
    script({KEY_ENTER});
    property_statistics_screen(0);
    for (int32_t x = 50; x <= 250; ++x) EXPECT_EQ(last_frame[140 * SCREEN_WIDTH + x], 15) << x;
    EXPECT_NE(last_frame[140 * SCREEN_WIDTH + 251], 15);
    EXPECT_TRUE(shows_text(last_frame, 94, 33, "Property statistics"));
    EXPECT_TRUE(shows_text(last_frame, 50, 185, "max= Million$ 5, min= Million$ 4"));
}

TEST_F(OfficeTest, StatisticsDrawTheNewestDayAtTheRight) {
    Shipowner& owner = g_shipowners[0];
    for (int32_t& v : owner.net_worth_history) v = 0;
    owner.history_index = 3;
    owner.net_worth_history[3] = 9000;              // newest: max 10000, y 150 - 9000 x 100 / 10000 = 60
    owner.net_worth_history[(3 - 200) & 255] = -1;  // oldest: min -1000, y 150 - 999 x 100 / 11000 = 141
    script({KEY_ENTER});
    property_statistics_screen(0);
    EXPECT_EQ(last_frame[60 * SCREEN_WIDTH + 250], 15);
    EXPECT_EQ(last_frame[141 * SCREEN_WIDTH + 50], 15);
    EXPECT_TRUE(shows_text(last_frame, 50, 185, "max= Million$ 10, min= Million$ -1"));
}

}  // namespace
