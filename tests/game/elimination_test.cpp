// The elimination screen: its lines for two or more, one and no shipowners left, the quit flag, and
// what it leaves of the eliminated shipowner.
#include "game/elimination.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/frame.h"
#include "game/main_procedure.h"
#include "world/records.h"
#include "host/headless_host.h"
#include "tests/game/day_step_fixture.h"
#include "tests/harness/case_name.h"
#include "ui/screen_layout.h"

namespace {

struct EliminationCase {
    const char* what;
    int32_t count;
    int8_t out_before[4];
    int32_t eliminated;
    const char* lines[3];
    int32_t quit;
};

const char* const kNames[4] = {"Hendrik", "Amelia", "Tomas", "Ingrid"};

class Elimination : public DayStepTest, public testing::WithParamInterface<EliminationCase> {
  protected:
    void SetUp() override {
        DayStepTest::SetUp();
        const EliminationCase& c = GetParam();
        g_shipowner_count = static_cast<int8_t>(c.count);
        for (int32_t i = 0; i < c.count; ++i) {
            g_shipowners[i] = g_shipowners[0];
            std::strcpy(g_shipowners[i].name, kNames[i]);
            g_shipowners[i].out_of_game = c.out_before[i];
        }
    }
};

TEST_P(Elimination, TellsTheShipownerAndTheOthersWhatIsLeft) {
    const EliminationCase& c = GetParam();
    Shipowner& owner = g_shipowners[c.eliminated];
    Ship* ship = add_ship(c.eliminated, "Aurora");
    owner.cash = -300;
    uint32_t before = headless_now();
    shipowner_eliminated(c.eliminated, &owner);

    EXPECT_EQ(owner.out_of_game, 1);
    EXPECT_EQ(owner.ships, ship) << "the ships stay with the record";
    EXPECT_EQ(owner.cash, -300);
    EXPECT_EQ(g_quit, c.quit);
    EXPECT_EQ(screens(), 1) << "the screen waits for OK";
    EXPECT_GT(headless_now(), before);
    EXPECT_EQ(g_screen_button_last, -1) << "the OK button is cleared";

    ASSERT_EQ(shown_screens().size(), 1u);
    const std::vector<std::string>& shown = shown_screens()[0];
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown[0], "The Rt. Hon.");
    EXPECT_EQ(shown[1], std::string(" Shipowner ") + kNames[c.eliminated] + ",");
    EXPECT_EQ(shown[2], "afraid you've busted.");
    EXPECT_EQ(shown[6], "once so proud venture.");
    for (int32_t k = 0; k < 3; ++k) EXPECT_EQ(shown[7 + k], c.lines[k]) << "line " << 8 + k;
    for (int32_t k = 0; k < ELIMINATION_LINES; ++k) {
        EXPECT_EQ(g_elimination_texts[k].x, 10);
        EXPECT_EQ(g_elimination_texts[k].y, 50 + 14 * k);
    }
    EXPECT_EQ(g_elimination_texts[ELIMINATION_LINES].text, nullptr);
    const ScreenButton& ok = g_elimination_buttons[0];
    EXPECT_EQ(ok.x, 250);
    EXPECT_EQ(ok.y, 185);
    EXPECT_EQ(ok.w, 58);
    EXPECT_EQ(ok.h, 15);
    EXPECT_STREQ(ok.label, "  ok");
    EXPECT_EQ(ok.command, 1);
}

const EliminationCase kEliminationCases[] = {
    {"three in the game two left",
     3,
     {0, 0, 0, 0},
     0,
     {"Why don't you try and get", "a job with one of", "the other shipowners."},
     0},
    {"four in the game three left",
     4,
     {0, 0, 0, 0},
     3,
     {"Why don't you try and get", "a job with one of", "the other shipowners."},
     0},
    {"two in the game the other is congratulated",
     2,
     {0, 0, 0, 0},
     0,
     {"Only one shipowner is", "left. Congratulation", " shipowner Amelia."},
     0},
    {"the second of two goes the first is congratulated",
     2,
     {0, 0, 0, 0},
     1,
     {"Only one shipowner is", "left. Congratulation", " shipowner Hendrik."},
     0},
    {"one already out the one left is named",
     3,
     {0, 1, 0, 0},
     2,
     {"Only one shipowner is", "left. Congratulation", " shipowner Hendrik."},
     0},
    {"the last one ends the game",
     1,
     {0, 0, 0, 0},
     0,
     {"Sorry, but this will", "also end the game.", " "},
     1},
    {"the last of four ends the game",
     4,
     {1, 1, 0, 1},
     2,
     {"Sorry, but this will", "also end the game.", " "},
     1},
};
INSTANTIATE_TEST_SUITE_P(Left, Elimination, testing::ValuesIn(kEliminationCases), CaseName());

class EliminationScreen : public DayStepTest {};

TEST_F(EliminationScreen, ShowsTheVultureUnderTheStatusLine) {
    g_shipowners[0].cash = -300;
    shipowner_eliminated(0, &g_shipowners[0]);
    // The status line is black across the top; below it, away from the texts and the button, the
    // picture shows as loaded.
    int32_t black = 0;
    for (int32_t x = 0; x < SCREEN_WIDTH; ++x) black += g_screen_buffer[14 * SCREEN_WIDTH + x] == 0 ? 1 : 0;
    EXPECT_GT(black, SCREEN_WIDTH * 3 / 4);
    int32_t same = 0, total = 0, first = g_background_buffer[100 * SCREEN_WIDTH + 220], varied = 0;
    for (int32_t y = 20; y < 180; ++y)
        for (int32_t x = 220; x < SCREEN_WIDTH; ++x, ++total) {
            same +=
                g_screen_buffer[y * SCREEN_WIDTH + x] == g_background_buffer[y * SCREEN_WIDTH + x] ? 1 : 0;
            varied += g_background_buffer[y * SCREEN_WIDTH + x] != first ? 1 : 0;
        }
    EXPECT_EQ(same, total);
    EXPECT_GT(varied, total / 10) << "a picture, not an empty buffer";
}

TEST_F(EliminationScreen, TheQuitFlagEndsTheScreenAtOnce) {
    g_shipowner_count = 2;
    g_shipowners[1] = g_shipowners[0];
    g_quit = 1;
    uint32_t before = headless_now();
    shipowner_eliminated(0, &g_shipowners[0]);
    EXPECT_LT(headless_now() - before, 100u) << "one poll, no wait for OK";
    EXPECT_EQ(g_shipowners[0].out_of_game, 1);
    EXPECT_EQ(g_quit, 1);
    EXPECT_EQ(g_screen_button_last, -1);
}

}  // namespace
