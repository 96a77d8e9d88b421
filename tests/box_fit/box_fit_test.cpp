// Every text of this build stays inside its box (tests/box_fit/text_box_check.h says how that is
// seen). The program's game thread runs from start-up on the headless host, played by a scripted
// player that answers what is on screen after every sleep: the set-up through to the main screen;
// the broker's building (the notice of the 1st floor, every sales floor with a data sheet, the
// purchase of a ship and its contract, the sellers market and its offer); a harbour visit (its menu,
// the charter market and an offer, the shipyard, the bunker, the lay-up) and the departure; the
// office (the bank's five actions, the Info menu with every screen, the accounts with the profit and
// loss); the quit. Every message box, question and letter on the way is read and checked too.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/font.h"
#include "engine/frame.h"
#include "game/game_main.h"
#include "game/state_reset.h"
#include "host/headless_host.h"
#include "host/sound_library.h"
#include "tests/box_fit/text_box_check.h"
#include "tests/harness/game_program.h"
#include "tests/harness/harness.h"
#include "tests/harness/player_view.h"
#include "tests/screens/png_writer.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/game_file_name.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/main_screen.h"
#include "views/world_map.h"
#include "world/records.h"

namespace {

constexpr uint32_t TITLE_MS = 122 * 16;
constexpr uint32_t REACTION_MS = 300;
constexpr uint32_t GIVE_UP_MS = 4u * 3600u * 1000u;
constexpr int32_t DAYS_AT_SEA = 3;  // days sailed before the office
// After the office the clock runs until a letter came and this day passed (the mortgage's interest
// is due after 90 days), or at most to the last day.
constexpr int32_t DAYS_FIRST = 100;
constexpr int32_t DAYS_LAST = 300;

enum class Stage { SETUP, BROKER, HARBOUR, AT_SEA, OFFICE, DAYS, QUIT };

const char* stage_name(Stage s) {
    switch (s) {
        case Stage::SETUP:
            return "set-up";
        case Stage::BROKER:
            return "broker";
        case Stage::HARBOUR:
            return "harbour visit";
        case Stage::AT_SEA:
            return "at sea";
        case Stage::OFFICE:
            return "office";
        case Stage::DAYS:
            return "days";
        case Stage::QUIT:
            return "quit";
    }
    return "?";
}

// Keys given one at a time whenever no box, letter, question or field asks for an answer.
// In the broker's building, from the lift panel: the 1st floor's notice; the 5th floor, the first
// model's data sheet; the 3rd, a data sheet; the 4th, the second model bought (the contract's fields
// are filled in as they come) and the first one's data sheet; the sellers market, the ship picked,
// its offer declined; out.
const std::vector<int32_t> kBrokerKeys = {'1', '5', '2', 13, 13,  '3', '2', 13,  13, '4',
                                          '3', '2', 13,  13, '2', 13,  'n', 'n', 13};
// The harbour menu of the first visit: the charter market, the shipyard, the bunker, a day laid up.
// A later visit takes a charter if the ship has none, then departs.
const std::vector<int32_t> kVisitKeys = {'3', '1', '2', '4'};
// The office: the bank (a mortgage raised on the ship and paid off, a credit obtained and repaid,
// the home port's move asked for and the picker left as it is), then the Info menu: the accounts
// (profit and loss, possessions, statistics), the fleet, the positions, the bank accounts, the
// ranking; out of the office. The positions show the ship on the locator, then the list is left
// with its "none".
const std::vector<int32_t> kOfficeKeys = {'a', '1', 13,  27,  '2', 13, 27,  '3', '4', '5', 13,
                                          'i', '1', '1', 13,  '2', 13, '3', 13,  13,  '2', 13,
                                          '3', 13,  13,  'n', '4', 13, '5', 13,  13,  13};

struct Player {
    Stage stage = Stage::SETUP;
    uint32_t next_action = 0;
    bool intro_skipped = false;
    size_t broker_key = 0;
    size_t visit_key = 0;
    size_t office_key = 0;
    int32_t amounts = 0;  // amount fields answered in a row
    int32_t passage_tries = 0;
    int32_t market_step = 0;
    int32_t bunker_step = 0;
    int32_t market_tries = 0;
    int32_t last_visit_day = -1;
    int32_t departed_day = -1;
    bool office_asked = false;  // the home port's question
    bool quit_asked = false;
    bool saved = false;
    bool quit_stop = false;  // the clock stopped for the quit
    int32_t letters = 0;
    // What was seen.
    int32_t visits = 0;
    bool bought = false;
    bool market = false;
    bool office_seen = false;
    std::string frames_dir;  // BOX_FIT_FRAMES: every new layout as a PNG
    int32_t frame_count = 0;
    uint64_t last_frame_hash = 0;
};

void act(Player* p, uint32_t after = REACTION_MS) {
    p->next_action = headless_now() + after;
}

void key(int32_t k) {
    headless_script(headless_now(), HEADLESS_KEY, k);
}

void type(const char* text) {
    headless_script_text(headless_now(), text);
}

void save_frame(Player* p) {
    if (p->frames_dir.empty()) return;
    uint64_t h = 1469598103934665603ull;
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) h = (h ^ g_screen_buffer[i]) * 1099511628211ull;
    if (h == p->last_frame_hash) return;
    p->last_frame_hash = h;
    uint8_t rgb[256 * 3];
    for (int32_t i = 0; i < 256; ++i)
        for (int32_t c = 0; c < 3; ++c) {
            uint8_t v = g_game_palette[i][2 - c];
            rgb[i * 3 + c] = static_cast<uint8_t>(v | (v >> 6));
        }
    char name[64];
    std::snprintf(name, sizeof name, "/%03d_%s.png", p->frame_count++, stage_name(p->stage));
    std::ofstream out(p->frames_dir + name, std::ios::binary);
    out << png_encode_indexed(g_screen_buffer, SCREEN_WIDTH, SCREEN_HEIGHT, rgb);
}

// An amount of the bank: the field emptied, the figure typed, the field and the dialog closed.
void type_amount(const char* digits) {
    uint32_t at = headless_now();
    for (int32_t k = 0; k < 10; ++k) headless_script(at += 20, HEADLESS_KEY, 39);
    for (int32_t k = 0; k < 10; ++k) headless_script(at += 20, HEADLESS_KEY, 8);
    for (const char* c = digits; *c != '\0'; ++c)
        headless_script(at += 20, HEADLESS_KEY, static_cast<uint8_t>(*c));
    headless_script(at += 20, HEADLESS_KEY, 13);
    headless_script(at += 200, HEADLESS_KEY, 13);
}

bool play_entry_field(Player* p) {
    const Gadget* field = g_active_entry_field;
    if (field == nullptr) return false;
    const auto* info = static_cast<const EntryFieldInfo*>(field->special);
    if (info->buffer == g_game_file_pattern) {
        key(13);  // the drawer stays; on to the name
    } else if (info->buffer == g_file_name_field) {
        if (!p->saved) type("boxfit\r\r");  // the game saved as the program quits
        p->saved = true;
        act(p, 2000);
        return true;
    } else if (field->id == 200) {
        type("Wwwwwwwwww\r");  // the widest name the field takes
        act(p, 2000);
        return true;
    } else if (field->id == 201) {
        type("Mmmmmmmmmm\r");
        headless_script_click(headless_now() + 1600, 20, 194);  // the form's OK
        act(p, 4000);
        return true;
    } else if (field->left == 222 && field->top == 102) {
        type("Wwwwwwwwww\r");  // the new ship's name
        act(p, 2000);
        return true;
    } else if (field->left == 170 && field->top == 162) {
        type("10\r");  // ten per cent more down
        p->bought = true;
        act(p, 1000);
        return true;
    } else if (field->left == 135) {
        // The bank's amounts: a sum that every action takes; a refusal gives up the dialog.
        if (p->amounts++ < 2) {
            type_amount(p->amounts == 1 ? "500" : "100");
            act(p, 1500);
            return true;
        }
        p->amounts = 0;
        key(27);
    } else {
        key(13);  // the lay-up's one day, the repair's whole percentage
    }
    act(p);
    return true;
}

void next_key(Player* p, const std::vector<int32_t>& keys, size_t* index) {
    if (*index < keys.size()) key(keys[(*index)++]);
    act(p, 600);
}

void play_main_screen(Player* p) {
    const bool running = g_run_button_state == RUN_RUNNING;
    const Ship* ship = g_shipowner_count >= 1 ? g_shipowners[0].ships : nullptr;
    switch (p->stage) {
        case Stage::SETUP:
            p->stage = Stage::BROKER;
            text_box_check_stage(stage_name(p->stage));
            key('3');
            break;
        case Stage::BROKER:
            if (p->broker_key < kBrokerKeys.size()) return;  // riding the lift
            p->stage = Stage::HARBOUR;
            text_box_check_stage(stage_name(p->stage));
            key(' ');
            break;
        case Stage::HARBOUR:
            if (!running) key(' ');
            if (ship != nullptr && !ship_in_port(ship) && p->departed_day < 0) {
                p->stage = Stage::AT_SEA;
                p->departed_day = g_day;
                text_box_check_stage(stage_name(p->stage));
            }
            break;
        case Stage::AT_SEA:
            if (g_day < p->departed_day + DAYS_AT_SEA) return;
            if (running) {
                key(' ');
                act(p, 2000);
                return;
            }
            p->stage = Stage::OFFICE;
            text_box_check_stage(stage_name(p->stage));
            key('2');
            break;
        case Stage::OFFICE:
            if (p->office_key < kOfficeKeys.size()) return;
            p->stage = Stage::DAYS;
            text_box_check_stage(stage_name(p->stage));
            key(' ');
            break;
        case Stage::DAYS:
            if (!running && p->quit_stop) {
                p->stage = Stage::QUIT;
                text_box_check_stage(stage_name(p->stage));
                p->quit_asked = true;
                key('Q');
            } else if (!running) {
                key(' ');
            } else if ((p->letters >= 1 && g_day >= DAYS_FIRST) || g_day >= DAYS_LAST) {
                p->quit_stop = true;
                key(' ');
            } else {
                return;
            }
            break;
        case Stage::QUIT:
            return;
    }
    act(p, 1000);
}

void play_market(Player* p) {
    p->market = true;
    switch (p->market_step++) {
        case 0:
            headless_script_click(headless_now(), 20, 20);
            break;  // the first route
        case 1:
            headless_script_click(headless_now(), 150, 20);
            break;  // its first cargo
        default:
            p->market_step = 0;
            key(13);  // the offer taken
            break;
    }
    act(p, 600);
}

void on_sleep(void* context) {
    auto* p = static_cast<Player*>(context);
    text_box_check_sleep();
    const uint32_t now = headless_now();
    if (now > GIVE_UP_MS) {
        const Ship* ship = g_shipowner_count >= 1 ? g_shipowners[0].ships : nullptr;
        std::fprintf(stderr,
                     "the run hung at day %d in the %s: main screen %d, buttons %d, clock %d, ship %s\n",
                     static_cast<int>(g_day), stage_name(p->stage), static_cast<int>(g_main_screen_shown),
                     static_cast<int>(g_screen_button_last), static_cast<int>(g_run_button_state),
                     ship == nullptr      ? "none"
                     : ship_in_port(ship) ? "in port"
                                          : "at sea");
        std::fflush(stderr);
        std::_Exit(3);
    }
    const bool passage = button_at(170, 160, 2) && button_at(170, 185, 1);
    if (!passage && !gadget_listed(&g_message_ok_gadget)) p->passage_tries = 0;
    if (headless_pending_events() != 0 || now < p->next_action) return;
    save_frame(p);

    if (gadget_listed(&g_letter_ok_gadget)) {
        ++p->letters;
        key(13);
    } else if (gadget_listed(&g_ask_yes_gadget)) {
        // The load question (no), the home port's move (yes), the quit (yes), the statistics (no).
        bool yes = false;
        if (p->stage == Stage::OFFICE && !p->office_asked) {
            p->office_asked = true;
            yes = true;
        } else if (p->quit_asked) {
            p->quit_asked = false;
            yes = true;
        }
        key(yes ? 'y' : 'n');
    } else if (gadget_listed(&g_message_ok_gadget)) {
        key(13);
    } else if (play_entry_field(p)) {
        return;
    } else if (passage) {
        key(p->passage_tries++ == 0 ? 13 : '1');  // the tug, and by hand when it was refused
    } else if (button_at(40, 133, 202) && button_at(40, 181, 1)) {
        if (p->last_visit_day != g_day) {
            p->last_visit_day = g_day;
            ++p->visits;
        }
        const Ship* ship = g_shipowners[0].ships;
        if (p->stage == Stage::DAYS) {
            key('4');  // laid up day by day while the days run
            act(p, 600);
        } else if (p->visit_key < kVisitKeys.size()) {
            next_key(p, kVisitKeys, &p->visit_key);
        } else {
            key(ship->route == 0 && p->market_tries++ < 3 ? '3' : 13);
            act(p, 600);
        }
        return;
    } else if (button_at(40, 133, 1)) {
        key(13);  // detained
    } else if (button_at(215, 185, 2) && button_at(0, 185, 1)) {
        play_market(p);
        return;
    } else if (button_at(51, 54, 13)) {
        key(p->bunker_step++ == 0 ? '1' : 13);  // the bunker filled, then done
        if (p->bunker_step > 1) p->bunker_step = 0;
        act(p, 2000);
        return;
    } else if (button_at(90, 30, 10)) {
        key('1');  // the first shipowner
    } else if (g_main_screen_shown == 1 && g_screen_button_last < 0) {
        play_main_screen(p);
        return;
    } else if (p->stage == Stage::BROKER && g_screen_button_last >= 0) {
        next_key(p, kBrokerKeys, &p->broker_key);
        return;
    } else if (p->stage == Stage::OFFICE && g_screen_button_last >= 0 && g_screen_button_last < 28) {
        p->office_seen = true;
        if (p->office_key >= kOfficeKeys.size()) key(13);
        next_key(p, kOfficeKeys, &p->office_key);
        return;
    } else if (g_screen_button_last >= 28) {
        key(13);  // the home port as offered
    } else if (button_at(70, 138, 101)) {
        key(g_selected_button == 1 ? 13 : '2');  // pure economy
    } else if (button_at(130, 129, 100)) {
        key(g_selected_button == 0 ? 13 : '1');  // one shipowner
    } else if (g_screen_button_last >= 0) {
        key(13);
    } else if (!p->intro_skipped && now >= TITLE_MS) {
        p->intro_skipped = true;
        key(' ');
    } else {
        return;
    }
    act(p);
}

class BoxFit : public testing::Test {
  protected:
    void SetUp() override { game_program_set_up(); }
    void TearDown() override {
        text_box_check_stop();
        game_program_tear_down();
    }

    static void run_program(Player* player) {
        text_box_check_start();
        text_box_check_stage(stage_name(Stage::SETUP));
        game_program_run(on_sleep, player);
        text_box_check_stop();
    }
};

TEST_F(BoxFit, NoTextLeavesItsBox) {
    static Player player;
    player = Player{};
    if (const char* dir = std::getenv("BOX_FIT_FRAMES")) {
        player.frames_dir = dir;
        std::filesystem::create_directories(dir);
    }
    run_program(&player);

    int32_t texts = 0;
    for (const TextBoxStage& s : text_box_stages()) {
        std::printf("%-14s %5d texts (%d in no box), %3d screens, %2d message boxes, %2d letters\n",
                    s.name.c_str(), s.texts, s.free_texts, s.screens, s.message_boxes, s.letters);
        texts += s.texts;
    }
    for (const TextBoxFault& f : text_box_low_boxes())
        std::printf("low box: %s\n", text_box_fault_line(f).c_str());
    for (const TextBoxFault& f : text_box_faults()) ADD_FAILURE() << text_box_fault_line(f);
    std::printf("%d texts checked, %zu left their box\n", texts, text_box_faults().size());

    // The run went where the script meant it to.
    EXPECT_EQ(player.stage, Stage::QUIT);
    EXPECT_TRUE(player.bought) << "the contract";
    EXPECT_TRUE(player.market) << "the charter market";
    EXPECT_GE(player.visits, 2);
    EXPECT_GE(player.departed_day, 0);
    EXPECT_TRUE(player.office_seen);
    EXPECT_EQ(player.office_key, kOfficeKeys.size());
    EXPECT_EQ(player.broker_key, kBrokerKeys.size());
    EXPECT_GE(player.letters, 1);
}

}  // namespace
