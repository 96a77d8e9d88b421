// The main procedure around the main screen: the world reset and the office-style shuffle before a
// game is chosen, the Project menu's commands (About, Help, Quit, Save, Save As, Load) and the end
// of a game (the last save, the ranking, the statistics of those still in, the farewell).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/frame.h"
#include "engine/save_stack.h"
#include "game/end_of_game.h"
#include "game/game_choice.h"
#include "game/main_procedure.h"
#include "game/project_commands.h"
#include "game/state_reset.h"
#include "host/headless_host.h"
#include "lang/lang.h"
#include "tests/game/game_file_fixture.h"
#include "tests/game/screen_watch.h"
#include "tests/harness/case_name.h"
#include "tests/harness/draw_trace.h"
#include "tests/harness/game_data.h"
#include "tests/harness/harness.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/game_file.h"
#include "world/sea_distance.h"
#include "engine/random.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kCancelX = 260, kCancelY = 104;  // the file requester's Cancel button

TEST(WorldReset, IndicesPhaseAndRouteLengthsStartAfresh) {
    harness_start_engine();
    all_state_reset();
    init_route_lengths();
    const int32_t length = g_route_table[29].length;
    g_route_table[29].length = 1;
    g_freight_index = 3;
    g_ship_price_index = 4;
    g_daily_phase = 1700;
    reset_world();
    EXPECT_EQ(g_freight_index, 1000);
    EXPECT_EQ(g_ship_price_index, 1000);
    EXPECT_EQ(g_daily_phase, 0);
    EXPECT_EQ(g_route_table[29].length, length);
}

// 35 rounds over the neighbours k = 0, 1, 2 in turn, each swapped when its draw from 0..100 is
// above 50. The draws are replayed on the first order to give the order the game must have.
TEST(OfficeStyles, ShuffledInThirtyFiveRoundsOfThreeDraws) {
    harness_start_engine();
    for (uint16_t seed : {1, 777, 40000}) {
        all_state_reset();
        g_random_seed = seed;
        const uint8_t start[SHIPOWNER_MAX] = {0, 1, 2, 3};
        std::memcpy(g_office_style, start, sizeof start);
        std::vector<TracedDraw> draws;
        draw_trace_start(&draws);
        shuffle_office_styles();
        draw_trace_stop();
        ASSERT_EQ(draws.size(), 105u);
        uint8_t want[SHIPOWNER_MAX] = {0, 1, 2, 3};
        int32_t swaps = 0;
        for (size_t i = 0; i < draws.size(); ++i) {
            ASSERT_EQ(draws[i].lo, 0);
            ASSERT_EQ(draws[i].hi, 100);
            if (draws[i].result > 50) {
                std::swap(want[i % 3], want[i % 3 + 1]);
                ++swaps;
            }
        }
        EXPECT_GT(swaps, 20) << seed;
        EXPECT_LT(swaps, 85) << seed;
        EXPECT_EQ(std::memcmp(g_office_style, want, sizeof want), 0)
            << "seed " << seed << ": " << int(g_office_style[0]) << int(g_office_style[1])
            << int(g_office_style[2]) << int(g_office_style[3]);
    }
}

// ---- The Project menu ----------------------------------------------------------------------

struct Seen {
    std::vector<uint8_t> before;  // the frame at the last sleep without a box
    std::vector<std::vector<uint8_t>> box_frames;
    std::vector<std::vector<uint8_t>> under;
    int32_t asks = 0;
    int32_t requesters = 0;
    bool box_up = false;
    bool requester_up = false;
};

void watch(void* context) {
    auto* s = static_cast<Seen*>(context);
    bool box = message_box_up();
    if (box && !s->box_up) {
        s->box_frames.push_back(frame_copy());
        s->under.push_back(s->before);
    }
    if (ask_box_up() && !s->box_up) ++s->asks;
    s->box_up = box || ask_box_up();
    if (!s->box_up) s->before = frame_copy();
    bool requester = g_active_entry_field != nullptr;
    if (requester && !s->requester_up) ++s->requesters;
    s->requester_up = requester;
}

class ProjectCommands : public GameFileTest {
  protected:
    void SetUp() override {
        GameFileTest::SetUp();
        harness_load_game_data();
        screen_area_files_delete();
        g_gadget_list = nullptr;
        g_quit = 0;
        std::strcpy(g_game_file_pattern, "games\\*.trp");
        make_known_game();
        ASSERT_EQ(save_game_file("games\\known.trp"), GAME_SAVE_OK);
        std::strcpy(g_game_file_name, "games\\known.trp");
        headless_set_sleep_hook(watch, &seen_);
    }
    void TearDown() override {
        headless_set_sleep_hook(nullptr, nullptr);
        g_quit = 0;
        g_project_command = PROJECT_NONE;
        screen_area_files_delete();
        GameFileTest::TearDown();
    }
    // The file requester: Enter leaves the drawer field, then the name, Enter, Enter.
    static uint32_t script_file_name(uint32_t at, const char* name) {
        headless_script(at, HEADLESS_KEY, 13);
        headless_script_text(at + 200, name);
        uint32_t end = at + 200 + 100 * static_cast<uint32_t>(std::strlen(name)) + 200;
        headless_script(end, HEADLESS_KEY, 13);
        headless_script(end + 200, HEADLESS_KEY, 13);
        return end + 400;
    }
    int32_t serve(int32_t command) {
        seen_.before = frame_copy();
        g_project_command = command;
        int32_t loaded = serve_project_command();
        EXPECT_EQ(g_project_command, PROJECT_NONE) << "served once";
        EXPECT_EQ(headless_pending_events(), 0u) << "every scripted answer was taken";
        return loaded;
    }
    static int32_t games_saved() {
        int32_t n = 0;
        for (const auto& e : fs::directory_iterator("games")) n += e.is_regular_file() ? 1 : 0;
        return n;
    }

    Seen seen_;
};

TEST_F(ProjectCommands, AboutNamesTheVersionAndAFixedFreeMemory) {
    headless_script(500, HEADLESS_KEY, 13);
    EXPECT_EQ(serve(PROJECT_ABOUT), 0);
    ASSERT_EQ(seen_.box_frames.size(), 1u);
    char product[64];
    std::snprintf(product, sizeof product, lang_text(TXT_ABOUT_PRODUCT), MARIVANE_VERSION);
    const char* lines[] = {product, lang_text(TXT_ABOUT_CREDITS_1), lang_text(TXT_ABOUT_CREDITS_2), lang_text(TXT_ABOUT_BLANK),
                           "Free Memory = 999999", nullptr};
    EXPECT_EQ(message_box_differences(seen_.under[0], seen_.box_frames[0], lines), 0);
    EXPECT_EQ(std::string(lang_text(TXT_ABOUT_BLANK)).find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(std::strstr(product, MARIVANE_VERSION) != nullptr, true);
    EXPECT_EQ(std::strstr(product, "http") == nullptr && std::strstr(product, "www") == nullptr, true);
    EXPECT_EQ(frame_copy(), seen_.under[0]) << "the box leaves the screen as it was";
}

TEST_F(ProjectCommands, HelpPointsToTheManual) {
    headless_script(500, HEADLESS_KEY, 13);
    EXPECT_EQ(serve(PROJECT_HELP), 0);
    ASSERT_EQ(seen_.box_frames.size(), 1u);
    const char* lines[] = {"You find a complete MRV manual", "in MANUS.TXT + MANDT.TXT ", nullptr};
    EXPECT_EQ(message_box_differences(seen_.under[0], seen_.box_frames[0], lines), 0);
}

// Only yes quits; Enter and the build's yes letters answer yes, Escape and no keep playing.
TEST_F(ProjectCommands, QuitAsksAndOnlyYesQuits) {
    struct Case {
        int32_t key;
        int32_t quit;
    };
    const Case cases[] = {{'y', 1}, {13, 1}, {'j', 1}, {'n', 0}, {27, 0}, {'c', 0}};
    for (const Case& c : cases) {
        g_quit = 0;
        seen_ = Seen{};
        headless_script(headless_now() + 500, HEADLESS_KEY, c.key);
        serve(PROJECT_QUIT);
        EXPECT_EQ(seen_.asks, 1) << c.key;
        EXPECT_EQ(g_quit, c.quit) << c.key;
    }
}

// Save writes under the current name without asking; Save As always asks, saves under the new
// name and keeps it; a Save As given up in the requester keeps the game's name as it was, so a
// later Save or the end of the game still finds it.
TEST_F(ProjectCommands, SaveAndSaveAs) {
    fs::remove("games/known.trp");
    serve(PROJECT_SAVE);
    EXPECT_EQ(seen_.requesters, 0);
    EXPECT_EQ(harness_read_file("games/known.trp").size(), KNOWN_GAME_SIZE);

    script_file_name(500, "other");
    serve(PROJECT_SAVE_AS);
    EXPECT_EQ(seen_.requesters, 1);
    EXPECT_STREQ(g_game_file_name, "games\\other.trp");
    EXPECT_EQ(harness_read_file("games/other.trp"), harness_read_file("games/known.trp"));

    headless_script_click(headless_now() + 300, kCancelX, kCancelY);
    serve(PROJECT_SAVE_AS);
    EXPECT_EQ(seen_.requesters, 2) << "asked though the game has a name";
    EXPECT_STREQ(g_game_file_name, "games\\other.trp") << "cancelled: the name stays";
    EXPECT_EQ(games_saved(), 2);

    g_game_file_name[0] = '\0';
    headless_script_click(headless_now() + 300, kCancelX, kCancelY);
    serve(PROJECT_SAVE_AS);
    EXPECT_STREQ(g_game_file_name, "") << "a game without a name stays without one";
    EXPECT_EQ(games_saved(), 2);
}

TEST_F(ProjectCommands, LoadDeclinedKeepsTheGame) {
    headless_script(500, HEADLESS_KEY, 'n');
    EXPECT_EQ(serve(PROJECT_LOAD), 0);
    EXPECT_EQ(g_shipowner_count, 2);
    script_file_name(headless_now() + 100, "known");
    headless_script(headless_now() + 50, HEADLESS_KEY, 'y');
    EXPECT_EQ(serve(PROJECT_LOAD), 1) << "a game loaded is reported, so the main screen shows it";
}

// ---- The end of a game ---------------------------------------------------------------------

enum EndEvent { END_REQUESTER, END_SCREEN, END_ASK, END_BOX };

struct EndSeen {
    std::vector<std::pair<EndEvent, int32_t>> events;  // with the shipowner whose status line shows
    int32_t answer = 'n';                             // to the end question
    uint32_t next_action = 0;
    std::vector<std::vector<uint8_t>> status_lines;   // of each shipowner, drawn beforehand
};

int32_t whose_status_line(const EndSeen& s) {
    for (size_t i = 0; i < s.status_lines.size(); ++i)
        if (std::memcmp(g_screen_buffer, s.status_lines[i].data(), s.status_lines[i].size()) == 0)
            return static_cast<int32_t>(i);
    return -1;
}

void answer_end(void* context) {
    auto* s = static_cast<EndSeen*>(context);
    uint32_t now = headless_now();
    if (headless_pending_events() != 0 || now < s->next_action) return;
    int32_t key = 13;
    if (g_active_entry_field != nullptr) {
        s->events.emplace_back(END_REQUESTER, -1);
        headless_script_click(now, kCancelX, kCancelY);
    } else if (ask_box_up()) {
        s->events.emplace_back(END_ASK, -1);
        key = s->answer;
    } else if (message_box_up()) {
        s->events.emplace_back(END_BOX, -1);
    } else if (g_screen_button_last >= 0) {
        s->events.emplace_back(END_SCREEN, whose_status_line(*s));
    } else {
        return;
    }
    s->next_action = now + 400;
    if (g_active_entry_field == nullptr) headless_script(now, HEADLESS_KEY, key);
}

struct EndCase {
    const char* what;
    bool named;            // the game has a file name
    int32_t out[3];        // out_of_game of the three shipowners
    int32_t answer;        // to the end question
    std::vector<std::pair<EndEvent, int32_t>> events;
};

const EndCase kEndCases[] = {
    // The ranking of nobody shows nothing.
    {"everyone eliminated: no question, the farewell follows the ranking", true, {1, 1, 1}, 'y',
     {{END_BOX, -1}}},
    {"statistics declined", true, {0, 1, 0}, 'n', {{END_SCREEN, -1}, {END_ASK, -1}, {END_BOX, -1}}},
    {"statistics of those still in, in order", true, {0, 1, 0}, 'y',
     {{END_SCREEN, -1}, {END_ASK, -1}, {END_SCREEN, 0}, {END_SCREEN, 0}, {END_SCREEN, 2}, {END_SCREEN, 2},
      {END_BOX, -1}}},
    {"any answer but no counts as yes", true, {1, 0, 1}, ' ',
     {{END_SCREEN, -1}, {END_ASK, -1}, {END_SCREEN, 1}, {END_SCREEN, 1}, {END_BOX, -1}}},
    {"a game without a name is offered a save first", false, {1, 1, 1}, 'y',
     {{END_REQUESTER, -1}, {END_BOX, -1}}},
};

class EndOfGame : public testing::TestWithParam<EndCase> {
  protected:
    void SetUp() override {
        harness_start_engine();
        harness_load_game_data();
        screen_area_files_delete();
        all_state_reset();
        fs::create_directory("games");
        std::strcpy(g_game_file_pattern, "games\\*.trp");
    }
    void TearDown() override {
        headless_set_sleep_hook(nullptr, nullptr);
        screen_area_files_delete();
        fs::remove_all("games");
        all_state_reset();
    }
};

TEST_P(EndOfGame, RankingStatisticsOfThoseStillInAndFarewell) {
    const EndCase& c = GetParam();
    const char* companies[3] = {"Alpha", "Bravo", "Charlie"};
    g_shipowner_count = 3;
    g_difficulty = 2;
    EndSeen seen;
    for (int32_t i = 0; i < 3; ++i) {
        Shipowner& o = g_shipowners[i];
        std::strcpy(o.name, companies[i]);
        std::strcpy(o.company, companies[i]);
        o.home_port = static_cast<int8_t>(1 + i);
        o.cash = 1000 * (i + 1);
        o.status = i;
        o.out_of_game = static_cast<int8_t>(c.out[i]);
        for (int32_t& w : o.net_worth_history) w = o.cash;
        draw_shipowner_status_line(i, 6);
        seen.status_lines.emplace_back(g_screen_buffer, g_screen_buffer + 15 * SCREEN_WIDTH);
    }
    std::strcpy(g_game_file_name, c.named ? "games\\end.trp" : "");
    g_quit = 1;
    seen.answer = c.answer;
    headless_set_sleep_hook(answer_end, &seen);
    end_of_game();
    EXPECT_EQ(seen.events, c.events);
    EXPECT_EQ(g_quit, c.answer == 'n' || c.out[0] + c.out[1] + c.out[2] == 3 ? 1 : 0)
        << "statistics wanted: the quit flag is taken down so that their screens wait";
}

INSTANTIATE_TEST_SUITE_P(Ends, EndOfGame, testing::ValuesIn(kEndCases), CaseName());

}  // namespace
