// The new-game set-up played through its screens by a scripted player: the four choice dialogs
// (keys, arrows, digits and clicks), their remarks, the registration forms with the refusal of an
// incomplete form, the home-port picker and the globe view; and a quit during each choice dialog.
// The random draws of the set-up are recorded in order.
#include "game/setup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/picture.h"
#include "engine/save_stack.h"
#include "game/state_reset.h"
#include "host/headless_host.h"
#include "tests/game/screen_watch.h"
#include "tests/harness/case_name.h"
#include "tests/harness/draw_trace.h"
#include "tests/harness/game_data.h"
#include "tests/harness/harness.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

// Keys of a script; every other character is typed as it stands (37..40 are the arrows).
constexpr char kQuit = '\x01';     // the window asks the game to quit (g_quit := 1)
constexpr char kClickOk = '\x02';  // a click on the screen's OK button
constexpr char kClick = '\x04';    // a click on the choice button whose row follows ('0'..'3')

constexpr uint32_t REACTION_MS = 250;
constexpr uint32_t GIVE_UP_MS = 30u * 60u * 1000u;
constexpr int32_t FORM_PICTURE = 41;
constexpr int32_t SENTINEL = -7;

enum Stage { NOTHING, DURATION, DIFFICULTY, MODE, PLAYERS, FORM, PICKER, VIEW, BOX, STAGES };
const char* const kStageNames[STAGES] = {"nothing", "duration", "difficulty", "mode", "players",
                                         "form",    "picker",   "view",       "box"};

Stage stage_on_screen() {
    if (message_box_up()) return BOX;
    if (g_active_entry_field != nullptr) return FORM;
    if (g_screen_button_last == 28) return PICKER;
    if (g_screen_button_last == 0) return g_screen_button_gadgets[0].left > 100 ? VIEW : NOTHING;
    if (g_screen_button_last == 2) return MODE;
    if (g_screen_button_last == 3) return DIFFICULTY;
    if (g_screen_button_last == 4) return g_screen_button_gadgets[0].top < 120 ? DURATION : PLAYERS;
    return NOTHING;
}

// A box as the player saw it, with what came before it.
struct SeenBox {
    Stage after;         // the last screen seen before the box
    size_t draws;        // draws made by the time it was up
    std::vector<uint8_t> frame;
};

struct Script {
    const char* keys[STAGES] = {};  // per stage, in segments that end at Enter, OK, a click on OK or quit
};

struct Player {
    Script script;
    size_t at[STAGES] = {};
    Stage last = NOTHING;
    std::vector<SeenBox> boxes;
    size_t draws_when_seen[STAGES] = {};  // trace size when the stage was first seen
    bool seen[STAGES] = {};
    std::vector<int32_t> port_offered;    // home port when each picker opened
    std::vector<int32_t> row_offered;     // its highlighted row
    uint32_t next_action = 0;
    const std::vector<TracedDraw>* trace = nullptr;
};

void click_gadget(uint32_t at, const Gadget& g) {
    headless_script(at, HEADLESS_MOVE, g.left + g.width / 2, g.top + g.height / 2);
    headless_script(at + 100, HEADLESS_LEFT_DOWN, g.left + g.width / 2, g.top + g.height / 2);
    headless_script(at + 250, HEADLESS_LEFT_UP);
}

const Gadget& ok_gadget() {
    for (int32_t i = 0; i <= g_screen_button_last; ++i)
        if (g_screen_button_gadgets[i].id == 1) return g_screen_button_gadgets[i];
    return g_screen_button_gadgets[g_screen_button_last];
}

// Scripts the next segment of the stage's keys; false when there is none left.
bool play_segment(Player* p, Stage s) {
    const char* keys = p->script.keys[s];
    if (keys == nullptr) keys = "\r";  // the default: take what is offered
    size_t& at = p->at[s];
    if (s != FORM && keys[at] == '\0') at = 0;  // the same answer each time it shows
    if (keys[at] == '\0') return false;
    uint32_t t = headless_now();
    while (keys[at] != '\0') {
        char k = keys[at++];
        if (k == kQuit) {
            // Only once the keys before it have been taken.
            if (t != headless_now()) {
                --at;
                return true;
            }
            g_quit = 1;
            return true;
        }
        if (k == kClickOk) {
            click_gadget(t, ok_gadget());
            p->next_action = t + 250 + REACTION_MS;
            return true;
        }
        if (k == kClick) {
            click_gadget(t, g_screen_button_gadgets[keys[at++] - '0']);
            t += 400;
            p->next_action = t + REACTION_MS;
            continue;
        }
        headless_script(t, HEADLESS_KEY, static_cast<uint8_t>(k));
        t += 200;
        p->next_action = t + REACTION_MS;
        if (k == '\r' && s != FORM) return true;
    }
    return true;
}

void on_sleep(void* context) {
    auto* p = static_cast<Player*>(context);
    uint32_t now = headless_now();
    if (now > GIVE_UP_MS) {
        std::fprintf(stderr, "the set-up waits at the %s screen for an answer the script does not give"
                     " (script at %zu, selected %d, command %d)\n",
                     kStageNames[stage_on_screen()], p->at[stage_on_screen()], static_cast<int>(g_selected_button),
                     static_cast<int>(g_command));
        std::fflush(stderr);
        std::_Exit(3);
    }
    if (headless_pending_events() != 0 || now < p->next_action) return;
    Stage s = stage_on_screen();
    if (s == NOTHING) return;
    p->next_action = now + REACTION_MS;
    if (!p->seen[s]) {
        p->seen[s] = true;
        p->draws_when_seen[s] = p->trace->size();
    }
    if (s == BOX) {
        p->boxes.push_back({p->last, p->trace->size(), frame_copy()});
        headless_script(now, HEADLESS_KEY, 13);
        return;
    }
    if (s == PICKER && p->last != PICKER) {
        int32_t owner = static_cast<int32_t>(p->port_offered.size());
        p->port_offered.push_back(g_shipowners[owner].home_port);
        p->row_offered.push_back(g_selected_button);
    }
    p->last = s;
    play_segment(p, s);  // moves next_action past its last event
}

// ---- The texts the boxes must hold ---------------------------------------------------------

using Lines = std::vector<const char*>;
const Lines kDifficultyRemarks[13] = {
    {"You might be right:", "Caution is the", "mother of wisdom."},
    {"Good luck."},
    {"Come on, pluck up your", "courage, things will", "only get worse."},
    {"Do avoid the Bermuda Triangle !"},
    {"There you go."},
    {"At least you are", "not lacking", "self-confidence."},
    {"Are you sure you know", "what you're doing ?"},
    {"If only you had the", "the spirit of a mouse."},
    {"Damn and blast !", "You've got guts."},
    {"You may be right", "but wait and see."},
    {"Yes, that's the spirit."},
    {"Full speed ahead."},
    {"Nothing ventured, nothing gained."},
};
const Lines kModeRemarks[2] = {{"yes, this will be fun", "prepare to be captain", "also."},
                               {"oh I see, you are", "a economic", "specialist."}};
const Lines kFarewells[10] = {
    {"Have you heard the wind", "go Y-o-o-? 'Tis a", "pitiful sound to hear."},
    {"May the hobgoblin", "spare your ships."},
    {"Good luck.", "You'll need it"},
    {"The first million", "is the hardest."},
    {"Do you know how to make", "a single bowline ?"},
    {"NAVIGARE NECESSE EST."},
    {"PER ASPERA AD ASTRA."},
    {"Hi there, landlubber."},
    {"May lucky winds", "decide upon your fate."},
    {"Can you tell the", "stem from the stern ?"},
};
const Lines kRefusal = {"Please fill in the form", "completely. Full particulars", "will be needed later."};

// Pixels by which a box seen over the set-up's picture differs from one holding lines.
int32_t remark_differences(const SeenBox& box, Lines lines) {
    lines.push_back(nullptr);
    picture_load(FORM_PICTURE, g_background_buffer);
    restore_screen_from_background(0);
    return message_box_differences(frame_copy(), box.frame, lines.data());
}

// ---- The cases ------------------------------------------------------------------------------

struct Owner {
    const char* name;
    const char* company;
};

struct SetupCase {
    const char* what;
    Script script;
    int32_t duration;
    int32_t difficulty;  // SENTINEL: the dialog was not left by OK
    int32_t allowance;
    int32_t mode;
    int32_t owners;
    Owner names[4];
    int32_t refusals;
};

const SetupCase kCases[] = {
    {"OK at once takes what each dialog offers",
     {.keys = {nullptr, "\r", "\r", "\r", "\r", "Ann\rAnn Lines\x02" "Bob\rBob Co\x02"}},
     -1, 2, 4000, 0, 2, {{"Ann", "Ann Lines"}, {"Bob", "Bob Co"}}, 0},
    {"arrows to one hour, beginner, pure economy, one shipowner",
     {.keys = {nullptr, "%&\r", "&\r", "(\r", "%\r", "Cy\rCy Corp\x02"}},
     3600, 1, 6000, 1, 1, {{"Cy", "Cy Corp"}}, 0},
    {"arrows to two hours, digits to genius and three shipowners",
     {.keys = {nullptr, "&%(\r", "3\r", "1\r", "3\r", "Al\rA Co\x02" "Bo\rB Co\x02" "Ci\rC Co\x02"}},
     7200, 3, 2000, 0, 3, {{"Al", "A Co"}, {"Bo", "B Co"}, {"Ci", "C Co"}}, 0},
    {"clicks on the buttons; the arrows stop at the ends; incomplete forms refused",
     {.keys = {nullptr, "\x04" "2'\x02", "&&\x02", "\x04" "1\x02", "4\r",
               "\x02" "Ann\x02" "\rAnn Lines\x02" "\rBob Co\x02" "Bob\x02" "Cy\rC\x02" "Di\rD\x02"}},
     10800, 1, 6000, 1, 4, {{"Ann", "Ann Lines"}, {"Bob", "Bob Co"}, {"Cy", "C"}, {"Di", "D"}}, 3},
    {"quit in the duration dialog keeps the duration chosen", {.keys = {nullptr, "&\x01"}},
     10800, SENTINEL, SENTINEL, SENTINEL, 0, {}, 0},
    {"quit in the difficulty dialog", {.keys = {nullptr, "\r", "\x01"}},
     -1, SENTINEL, SENTINEL, SENTINEL, 0, {}, 0},
    {"quit in the mode dialog", {.keys = {nullptr, "\r", "1\r", "(\x01"}},
     -1, 1, 6000, SENTINEL, 0, {}, 0},
    {"quit in the players dialog", {.keys = {nullptr, "\r", "\r", "(\r", "\x01"}},
     -1, 2, 4000, 1, 0, {}, 0},
};

class Setup : public testing::TestWithParam<SetupCase> {
  protected:
    void SetUp() override {
        harness_start_engine();
        harness_load_game_data();
        screen_area_files_delete();
        all_state_reset();
        // Leftovers of an earlier game (a rejected load, say) and values the set-up must set.
        for (Shipowner& o : g_shipowners) {
            o.cash = 99;
            o.credit = 12;
            o.credit_rate = 5;
            o.credit_days = 3;
            o.credit_period = 30;
            o.income_shipping = 7;
            o.expenses_general = 8;
            o.office_neglect_days = 90;
            o.achievements = 0xFF;
            o.out_of_game = 1;
            o.status = 17;
            o.net_worth_history[9] = 1;
        }
        g_day = 77;
        g_freight_index = 5;
        g_ship_price_index = 6;
        g_daily_phase = 99;
        g_game_spare = 1234;
        g_difficulty = SENTINEL;
        g_difficulty_allowance = SENTINEL;
        g_sim_mode = SENTINEL;
        g_shipowner_count = 0;
        player_.trace = &draws_;
        headless_set_sleep_hook(on_sleep, &player_);
    }
    void TearDown() override {
        headless_set_sleep_hook(nullptr, nullptr);
        draw_trace_stop();
        screen_buttons_clear();
        g_gadget_list = nullptr;
        g_active_entry_field = nullptr;
        screen_area_files_delete();
        all_state_reset();
    }

    Player player_;
    std::vector<TracedDraw> draws_;
};

TEST_P(Setup, DialogsFormsAndRecords) {
    const SetupCase& c = GetParam();
    player_.script = c.script;
    draw_trace_start(&draws_);
    setup_new_game();
    draw_trace_stop();

    // The world starts afresh however far the set-up went.
    EXPECT_EQ(g_day, 0);
    EXPECT_EQ(g_freight_index, 1000);
    EXPECT_EQ(g_ship_price_index, 1000);
    EXPECT_EQ(g_daily_phase, 0);
    EXPECT_EQ(g_game_spare, 0);

    EXPECT_EQ(g_playing_duration, c.duration);
    EXPECT_EQ(g_difficulty, c.difficulty);
    EXPECT_EQ(g_difficulty_allowance, c.allowance);
    EXPECT_EQ(g_sim_mode, c.mode);
    EXPECT_EQ(g_shipowner_count, c.owners);

    // The draws: one random_range(1, 2) on every poll of the duration dialog and nowhere else,
    // then the difficulty's remark from its own span, then a farewell from ten per form.
    size_t churn = player_.seen[DIFFICULTY] ? player_.draws_when_seen[DIFFICULTY] : draws_.size();
    size_t inputs = 0;
    for (const char* q = c.script.keys[DURATION]; *q != '\0'; ++q) inputs += *q != kQuit ? 1 : 0;
    EXPECT_GE(churn, inputs) << "every poll of the duration dialog draws once, and each input takes a poll";
    EXPECT_GE(churn, 1u);
    size_t k = 0;
    for (; k < churn && k < draws_.size(); ++k) {
        EXPECT_EQ(draws_[k].lo, 1) << "draw " << k;
        EXPECT_EQ(draws_[k].hi, 2) << "draw " << k;
    }
    std::vector<const SeenBox*> remarks[STAGES];
    for (const SeenBox& b : player_.boxes) remarks[b.after].push_back(&b);
    if (c.difficulty != SENTINEL) {
        static const int32_t first[] = {0, 4, 8};
        static const int32_t last[] = {3, 7, 12};
        ASSERT_LT(k, draws_.size());
        const TracedDraw& d = draws_[k++];
        EXPECT_EQ(d.lo, first[c.difficulty - 1]);
        EXPECT_EQ(d.hi, last[c.difficulty - 1]);
        ASSERT_EQ(remarks[DIFFICULTY].size(), 1u);
        EXPECT_EQ(remarks[DIFFICULTY][0]->draws, k) << "the remark follows its draw";
        EXPECT_EQ(remark_differences(*remarks[DIFFICULTY][0], kDifficultyRemarks[d.result]), 0)
            << "difficulty remark " << d.result;
    } else {
        EXPECT_TRUE(remarks[DIFFICULTY].empty());
    }
    if (c.mode != SENTINEL) {
        ASSERT_EQ(remarks[MODE].size(), 1u);
        EXPECT_EQ(remark_differences(*remarks[MODE][0], kModeRemarks[c.mode]), 0) << "mode remark";
    } else {
        EXPECT_TRUE(remarks[MODE].empty());
    }
    int32_t farewells = 0;
    int32_t refusals = 0;
    for (const SeenBox* b : remarks[FORM]) {
        if (b->draws == k + 1) {
            const TracedDraw& d = draws_[k++];
            EXPECT_EQ(d.lo, 0);
            EXPECT_EQ(d.hi, 9);
            EXPECT_EQ(remark_differences(*b, kFarewells[d.result]), 0) << "farewell " << d.result;
            ++farewells;
        } else {
            EXPECT_EQ(b->draws, k) << "a refusal draws nothing";
            ++refusals;
        }
    }
    EXPECT_EQ(k, draws_.size()) << "no other draw";
    EXPECT_EQ(farewells, c.owners);
    EXPECT_EQ(refusals, c.refusals);

    // Every new shipowner: the names typed, 4100 k$ and a history of it, status -1, nothing else
    // left from before; the picker opened on the build's default port.
    ASSERT_EQ(static_cast<int32_t>(player_.port_offered.size()), c.owners);
    for (int32_t i = 0; i < c.owners; ++i) {
        const Shipowner& o = g_shipowners[i];
        SCOPED_TRACE(i);
        EXPECT_STREQ(o.name, c.names[i].name);
        EXPECT_STREQ(o.captain_name, c.names[i].name);
        EXPECT_STREQ(o.company, c.names[i].company);
        EXPECT_EQ(o.cash, 4100);
        EXPECT_EQ(o.status, -1);
        EXPECT_EQ(o.subsidy_status, -1);
        EXPECT_EQ(o.out_of_game, 0);
        EXPECT_EQ(o.credit, 0);
        EXPECT_EQ(o.credit_rate, 0);
        EXPECT_EQ(o.credit_days, 0);
        EXPECT_EQ(o.credit_period, 0);
        EXPECT_EQ(o.income_shipping, 0);
        EXPECT_EQ(o.expenses_general, 0);
        EXPECT_EQ(o.office_neglect_days, 0);
        EXPECT_EQ(o.achievements, 0u);
        EXPECT_EQ(o.ships, nullptr);
        EXPECT_EQ(o.history_index, 0);
        for (int32_t worth : o.net_worth_history) ASSERT_EQ(worth, 4100);
        EXPECT_EQ(player_.port_offered[static_cast<size_t>(i)], 11) << "San Francisco, the English build's";
        EXPECT_EQ(player_.row_offered[static_cast<size_t>(i)], 23) << "its row in the picker";
        EXPECT_EQ(o.home_port, 11);
    }
    // Shipowners beyond the count are not touched.
    for (int32_t i = c.owners; i < SHIPOWNER_MAX; ++i) EXPECT_EQ(g_shipowners[i].cash, 99) << i;
    EXPECT_EQ(player_.seen[VIEW], c.owners > 0) << "the home port shown on the globe";
}

INSTANTIATE_TEST_SUITE_P(NewGame, Setup, testing::ValuesIn(kCases), CaseName());

// The duration dialog's arrows: left and right move between the two columns (by 2), up and down
// within one (by 1), never beyond the first or the last button. Each script ends with a quit, so
// the set-up stops with the duration as the arrows left it.
struct ArrowCase {
    const char* what;
    const char* keys;
    int32_t duration;
};

const ArrowCase kArrowCases[] = {
    {"starts on until the end", "", -1},
    {"up", "&", 10800},
    {"left", "%", 7200},
    {"left twice stays in the first column", "%%", 7200},
    {"right stays at the last", "'", -1},
    {"down stays at the last", "(", -1},
    {"left up", "%&", 3600},
    {"left up up stays at the first", "%&&", 3600},
    {"from the first right", "1'", 10800},
    {"from the first down", "1(", 7200},
    {"from the first right down", "1'(", -1},
    {"from the second right", "2'", -1},
    {"from the third left", "3%", 3600},
    {"the fourth digit", "4", -1},
    {"a fifth digit selects nothing", "1" "5", 3600},
};

class SetupArrows : public Setup {};

TEST_F(SetupArrows, MoveTheDurationByTwoAcrossAndOneDown) {
    for (const ArrowCase& c : kArrowCases) {
        SCOPED_TRACE(c.what);
        all_state_reset();
        player_ = Player{};
        player_.trace = &draws_;
        std::string keys = std::string(c.keys) + kQuit;
        player_.script.keys[DURATION] = keys.c_str();
        headless_set_sleep_hook(on_sleep, &player_);
        setup_new_game();
        EXPECT_EQ(g_playing_duration, c.duration);
        EXPECT_EQ(g_difficulty, 0) << "no further dialog";
    }
}

}  // namespace
