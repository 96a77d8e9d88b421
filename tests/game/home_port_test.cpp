// The home-port picker driven by scripted keys and clicks: its 28 ports in three columns, the
// arrows and digits, the home port following the highlight with the status line drawn afresh, and
// OK as the only way out. And the sunken frame around the broker's pictures.
#include "views/home_port.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/save_stack.h"
#include "game/state_reset.h"
#include "host/headless_host.h"
#include "tests/game/screen_watch.h"
#include "tests/harness/game_data.h"
#include "tests/harness/harness.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "world/ports.h"
#include "world/records.h"

namespace {

const char* const kOrder[HOME_PORT_CHOICES] = {
    "Alexandria", "Basrah",     "Buenos Aires", "Calcutta",       "Cape Town", "Dar-es-Salaam", "Hamburg",
    "Hong Kong",  "Pearl Harbor", "Houston",    "Jebel Dhanna",   "Karachi",   "Lagos",         "Lima",
    "London",     "Marseilles", "Monrovia",     "New York",       "Panama",    "Piraeus",       "Point Hope",
    "Rio de Janeiro", "Rotterdam", "San Francisco", "Singapore",  "Sydney",    "Tokyo",         "Vancouver",
};
constexpr int32_t LONDON = 1;

int32_t row_of(int32_t port) {
    for (int32_t i = 0; i < HOME_PORT_CHOICES; ++i)
        if (g_home_port_order[i] == port) return i;
    return -1;
}

std::vector<uint8_t> status_rows() { return {g_screen_buffer, g_screen_buffer + 15 * SCREEN_WIDTH}; }

// What the player saw after each of its inputs: the home port, the highlighted row and the
// status line.
struct Seen {
    int32_t home_port;
    int32_t row;
    std::vector<uint8_t> status;
};

struct Watcher {
    std::vector<Seen> seen;
    std::vector<uint32_t> inputs_due;  // virtual times of the scripted inputs, in order
    size_t next = 0;
    int32_t buttons = -1;
    std::vector<Gadget> gadgets;
};

void on_sleep(void* context) {
    auto* w = static_cast<Watcher*>(context);
    if (g_screen_button_last >= 0 && w->gadgets.empty()) {
        w->buttons = g_screen_button_last + 1;
        w->gadgets.assign(g_screen_button_gadgets, g_screen_button_gadgets + w->buttons);
    }
    // Half a second after each input the screen shows its effect.
    while (w->next < w->inputs_due.size() && headless_now() >= w->inputs_due[w->next] + 500) {
        w->seen.push_back({g_shipowners[0].home_port, g_selected_button, status_rows()});
        ++w->next;
    }
}

class HomePortPicker : public testing::Test {
  protected:
    void SetUp() override {
        harness_start_engine();
        harness_load_game_data();
        screen_area_files_delete();
        all_state_reset();
        g_shipowner_count = 1;
        Shipowner& o = g_shipowners[0];
        std::strcpy(o.name, "Ann");
        std::strcpy(o.company, "Oceanic");
        o.home_port = LONDON;
        o.cash = 4100;
        headless_set_sleep_hook(on_sleep, &watch_);
    }
    void TearDown() override {
        headless_set_sleep_hook(nullptr, nullptr);
        screen_buttons_clear();
        g_gadget_list = nullptr;
        screen_area_files_delete();
        all_state_reset();
    }
    // Keys one every 700 ms from 300 ms on, then Enter.
    void type(const std::string& keys) {
        uint32_t t = 300;
        for (char k : keys) {
            headless_script(t, HEADLESS_KEY, static_cast<uint8_t>(k));
            watch_.inputs_due.push_back(t);
            t += 700;
        }
        headless_script(t, HEADLESS_KEY, 13);
    }
    // The status line as drawn for the shipowner's present home port.
    static std::vector<uint8_t> fresh_status_line() {
        std::vector<uint8_t> kept = frame_copy();
        draw_shipowner_status_line(0, 6);
        std::vector<uint8_t> rows = status_rows();
        std::memcpy(g_screen_buffer, kept.data(), SCREEN_BYTES);
        return rows;
    }

    Watcher watch_;
};

TEST_F(HomePortPicker, TwentyEightPortsInColumnsOfTenTenAndEight) {
    type("");
    choose_home_port_dialog(0);
    ASSERT_EQ(watch_.buttons, HOME_PORT_CHOICES + 1);
    for (int32_t i = 0; i < HOME_PORT_CHOICES; ++i) {
        SCOPED_TRACE(kOrder[i]);
        EXPECT_STREQ(port_name(g_home_port_order[i]), kOrder[i]);
        const Gadget& g = watch_.gadgets[static_cast<size_t>(i)];
        // The gadget's box lies one pixel inside the button's 100 x 13 face.
        EXPECT_EQ(g.left, 7 + 102 * (i / 10) + 1);
        EXPECT_EQ(g.top, 32 + 14 * (i % 10) + 1);
        EXPECT_EQ(g.id, 100 + i);
    }
    const Gadget& ok = watch_.gadgets[HOME_PORT_CHOICES];
    EXPECT_EQ(ok.id, 1);
    EXPECT_EQ(ok.left, 1);
    EXPECT_EQ(ok.top, 186);
    EXPECT_EQ(g_shipowners[0].home_port, LONDON) << "OK at once keeps the port offered";
}

// Left and right move by a column (10), up and down by one, never off the list; the digits pick
// the first ten; Escape and other keys do not end the picker.
struct MoveCase {
    const char* what;
    const char* keys;
    std::vector<int32_t> rows;  // the highlighted row after each key
};

const MoveCase kMoves[] = {
    {"right, right stays in the last column", "''", {24, 24}},
    {"left, left, left stays in the first", "%%%", {4, 4, 4}},
    {"down and up", "((&", {15, 16, 15}},
    {"right into the short column, down to its end and past it", "'((((", {24, 25, 26, 27, 27}},
    {"up from the top of the second column goes to the end of the first", "%'&&&&&", {4, 14, 13, 12, 11, 10, 9}},
    {"digits pick the first ten", "1930", {0, 8, 2, 9}},
    {"escape and letters change nothing", "\x1bxc", {14, 14, 14}},
    {"up at the first port stays", "1&", {0, 0}},
};

TEST_F(HomePortPicker, ArrowsAndDigitsMoveTheHomePortAlong) {
    for (const MoveCase& c : kMoves) {
        SCOPED_TRACE(c.what);
        headless_reset();
        headless_set_sleep_hook(on_sleep, &watch_);
        watch_ = Watcher{};
        g_shipowners[0].home_port = LONDON;
        type(c.keys);
        choose_home_port_dialog(0);
        ASSERT_EQ(watch_.seen.size(), c.rows.size());
        for (size_t k = 0; k < c.rows.size(); ++k) {
            const Seen& s = watch_.seen[k];
            EXPECT_EQ(s.row, c.rows[k]) << "after key " << k;
            EXPECT_EQ(s.home_port, g_home_port_order[c.rows[k]]) << "after key " << k;
        }
        EXPECT_EQ(g_shipowners[0].home_port, g_home_port_order[c.rows.back()]) << "the last port chosen stays";
        // The status line at the end names the port chosen.
        EXPECT_EQ(watch_.seen.back().status, fresh_status_line());
    }
}

TEST_F(HomePortPicker, TheStatusLineFollowsThePort) {
    type("'");  // London to Rio de Janeiro
    choose_home_port_dialog(0);
    ASSERT_EQ(watch_.seen.size(), 1u);
    EXPECT_EQ(g_shipowners[0].home_port, g_home_port_order[24]);
    std::vector<uint8_t> rio = fresh_status_line();
    g_shipowners[0].home_port = LONDON;
    std::vector<uint8_t> london = fresh_status_line();
    ASSERT_NE(rio, london) << "the two ports' lines differ";
    EXPECT_EQ(watch_.seen[0].status, rio);
}

TEST_F(HomePortPicker, AClickPicksAPortAndOnlyOkEndsIt) {
    const int32_t tokyo = 26;  // third column, seventh row
    int32_t x = 211 + 50, y = 32 + 14 * 6 + 6;
    headless_script(300, HEADLESS_MOVE, x, y);
    headless_script(450, HEADLESS_LEFT_DOWN, x, y);
    headless_script(600, HEADLESS_LEFT_UP);
    headless_script(1200, HEADLESS_KEY, 27);
    headless_script(1900, HEADLESS_KEY, 'n');
    headless_script(2600, HEADLESS_MOVE, 20, 192);
    headless_script(2750, HEADLESS_LEFT_DOWN, 20, 192);
    headless_script(2900, HEADLESS_LEFT_UP);
    choose_home_port_dialog(0);
    EXPECT_GE(headless_now(), 2900u) << "neither Escape nor no ends the picker";
    EXPECT_EQ(row_of(g_shipowners[0].home_port), tokyo);
    EXPECT_STREQ(port_name(g_shipowners[0].home_port), "Tokyo");
}

// ---- The sunken frame ----------------------------------------------------------------------

struct FrameCase {
    const char* what;
    int32_t x, y, w, h;
};

const FrameCase kFrames[] = {
    {"a model's picture", 100, 60, 40, 20},
    {"a one-pixel box", 10, 10, 1, 1},
    {"at the top left corner, clipped", 0, 0, 5, 4},
    {"at the bottom right corner, clipped", 300, 190, 20, 10},
};

TEST(SunkenFrame, LightBottomAndRightDarkTopAndLeftOnePixelOutside) {
    harness_start_engine();
    for (const FrameCase& c : kFrames) {
        SCOPED_TRACE(c.what);
        std::memset(g_screen_buffer, 99, SCREEN_BYTES);
        draw_sunken_frame(c.x, c.y, c.w, c.h);
        for (int32_t py = 0; py < SCREEN_HEIGHT; ++py) {
            for (int32_t px = 0; px < SCREEN_WIDTH; ++px) {
                int32_t left = c.x - 1, right = c.x + c.w, top = c.y - 1, bottom = c.y + c.h;
                bool on_frame = px >= left && px <= right && py >= top && py <= bottom &&
                                (px == left || px == right || py == top || py == bottom);
                // The dark lines are drawn last: they take the corners at the bottom left and the
                // top right.
                int32_t want = 99;
                if (on_frame) want = (px == left || py == top) ? 37 : 15;
                ASSERT_EQ(g_screen_buffer[py * SCREEN_WIDTH + px], want) << px << "," << py;
            }
        }
    }
}

}  // namespace
