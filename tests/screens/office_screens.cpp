// The office's screens: the desk, the Info menu with its reports, the bank with its lists, amount
// dialogs and boxes, the ranking list of two and of four shipowners and the property statistics.
// Each runs on scripted keys; the picture is taken at a set virtual time while the screen waits.
#include <cstdio>
#include <vector>

#include "business/bank.h"
#include "business/office.h"
#include "business/ranking.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "ui/input_poll.h"
#include "world/records.h"

namespace {

constexpr uint32_t KEY_STEP_MS = 400;
constexpr int32_t ENTER = 13, ESCAPE = 27, DOWN = 40, RIGHT = 39, BACKSPACE = 8;

struct Capture {
    ScreenShot* shot;
    uint32_t at;
    bool done;
};

void capture_on_sleep(void* context) {
    auto* c = static_cast<Capture*>(context);
    const uint32_t now = headless_now();
    if (!c->done && now >= c->at) {
        screens_shot_frame(c->shot);
        c->done = true;
    }
    // A script that leaves a screen open: quit, and answer whatever still waits.
    if (now > c->at + 120000) {
        g_quit = 1;
        if (headless_pending_events() == 0) headless_script(now + 100, HEADLESS_KEY, ENTER);
    }
}

// Types the keys one every 400 ms; the picture is taken 300 ms after key number `after` (from 1;
// 0 for before the first key), or at capture_ms when that is given.
void run_captured(ScreenShot* shot, const std::vector<int32_t>& keys, size_t after, void (*screen)(),
                  uint32_t capture_ms = 0) {
    const uint32_t start = headless_now() + 500;
    for (size_t i = 0; i < keys.size(); ++i)
        headless_script(start + static_cast<uint32_t>(i) * KEY_STEP_MS, HEADLESS_KEY, keys[i]);
    Capture capture{
        shot, capture_ms != 0 ? capture_ms : start + static_cast<uint32_t>(after) * KEY_STEP_MS - 100, false};
    if (after == 0 && capture_ms == 0) capture.at = start - 200;
    headless_set_sleep_hook(capture_on_sleep, &capture);
    screen();
    headless_set_sleep_hook(nullptr, nullptr);
    if (!capture.done) screens_shot_frame(shot);
    g_quit = 0;
}

Ship* add_ship(int32_t player, int32_t model, const char* name, int32_t mortgage) {
    Ship* ship = new_ship();
    std::snprintf(ship->name, RECORD_NAME_SIZE, "%s", name);
    ship->ship_type = static_cast<int8_t>(model);
    ship->condition = 9200;
    ship->port = 1;
    ship->mortgage = mortgage;
    append_ship(&g_shipowners[player], ship);
    return ship;
}

// One shipowner "Oceanic" of London with three ships, a credit and a year of accounts.
void one_shipowner() {
    g_shipowner_count = 1;
    g_day = 120;
    Shipowner& o = g_shipowners[0];
    std::snprintf(o.name, RECORD_NAME_SIZE, "%s", "Hendrik");
    std::snprintf(o.company, RECORD_NAME_SIZE, "%s", "Oceanic");
    o.status = 7;
    o.home_port = 1;
    o.cash = 4100;
    o.credit = 600;
    o.income_shipping = 3850;
    o.income_sales = 1600;
    o.expenses_general = 2210;
    o.expenses_interest = 145;
    add_ship(0, 2, "Aurora", 1000);
    add_ship(0, 4, "Boreas", 0);
    add_ship(0, 6, "Cygnus", 0);
    // Net worth over 201 days: a slow rise with a dip in the middle.
    o.history_index = 200;
    for (int32_t d = 0; d <= 200; ++d) {
        const int32_t dip = d > 90 && d < 130 ? (d < 110 ? d - 90 : 130 - d) * 120 : 0;
        o.net_worth_history[d] = 26000 + d * 30 - dip;
    }
}

void finish() {
    free_all_ships(SHIPOWNER_MAX);
    for (Shipowner& o : g_shipowners) o = Shipowner{};
    g_shipowner_count = 0;
}

std::vector<int32_t> amount_keys(const char* digits) {
    std::vector<int32_t> keys;
    for (int32_t i = 0; i < 6; ++i) keys.push_back(RIGHT);
    for (int32_t i = 0; i < 6; ++i) keys.push_back(BACKSPACE);
    for (const char* p = digits; *p != '\0'; ++p) keys.push_back(*p);
    return keys;
}

void office() {
    shipowner_office_screen(0);
}
void info() {
    picture_load(OFFICE_INFO_PICTURE, g_background_buffer);
    info_menu_dialog(0);
}
void bank() {
    bank_action_menu(0);
}
void ranking() {
    ranking_list_screen();
}
void statistics() {
    property_statistics_screen(0);
}

void render_office_style(ScreenShot* shot, uint8_t style, int32_t status) {
    one_shipowner();
    g_office_style[0] = style;
    g_shipowners[0].status = status;
    if (status < 0) {
        free_all_ships(SHIPOWNER_MAX);
        g_shipowners[0].credit = 0;
    }
    run_captured(shot, status < 0 ? std::vector<int32_t>{ENTER, ENTER} : std::vector<int32_t>{ENTER}, 0,
                 office);
    finish();
}

// From the Info menu: the keys to reach a screen, the picture taken once they are typed.
void render_info(ScreenShot* shot, std::vector<int32_t> keys, std::vector<int32_t> leave) {
    one_shipowner();
    const size_t after = keys.size();
    keys.insert(keys.end(), leave.begin(), leave.end());
    run_captured(shot, keys, after, info);
    finish();
}

void render_bank(ScreenShot* shot, std::vector<int32_t> keys, std::vector<int32_t> leave,
                 int32_t cash = 4100) {
    one_shipowner();
    g_shipowners[0].cash = cash;
    const size_t after = keys.size();
    keys.insert(keys.end(), leave.begin(), leave.end());
    // Whatever is still open at the end: Enter and Escape until the bank is left.
    for (int32_t i = 0; i < 4; ++i) {
        keys.push_back(ESCAPE);
        keys.push_back(ENTER);
    }
    run_captured(shot, keys, after, bank);
    finish();
}

void render_ranking(ScreenShot* shot, int32_t owners) {
    const char* companies[] = {"Oceanic", "Pacifica", "Nordsee", "Atlantis"};
    const int32_t status[] = {7, 12, 7, 3};
    const int32_t cash[] = {4100, 9800, 2500, -700};
    g_shipowner_count = static_cast<int8_t>(owners);
    for (int32_t i = 0; i < owners; ++i) {
        Shipowner& o = g_shipowners[i];
        std::snprintf(o.company, RECORD_NAME_SIZE, "%s", companies[i]);
        o.home_port = 1;
        o.status = status[i];
        o.cash = cash[i];
    }
    add_ship(0, 2, "Aurora", 1000);
    headless_script(headless_now() + 21000, HEADLESS_KEY, ENTER);
    run_captured(shot, {}, 0, ranking, headless_now() + 20000);
    finish();
}

}  // namespace

void screen_office(ScreenShot* shot) {
    render_office_style(shot, 0, 7);
}
void screen_office_lamp(ScreenShot* shot) {
    render_office_style(shot, 3, 7);
}
void screen_office_greeting(ScreenShot* shot) {
    render_office_style(shot, 1, -1);
}
void screen_info_menu(ScreenShot* shot) {
    render_info(shot, {}, {ENTER});
}
void screen_accounts_menu(ScreenShot* shot) {
    render_info(shot, {'1'}, {ENTER, ENTER});
}
void screen_profit_and_loss(ScreenShot* shot) {
    render_info(shot, {'1', '1'}, {ENTER, ENTER, ENTER});
}
void screen_possessions(ScreenShot* shot) {
    render_info(shot, {'1', '2'}, {ENTER, ENTER, ENTER});
}
void screen_property_statistics(ScreenShot* shot) {
    one_shipowner();
    run_captured(shot, {ENTER}, 0, statistics);
    finish();
}
void screen_fleet_statistics(ScreenShot* shot) {
    render_info(shot, {'2'}, {ENTER, ENTER});
}
void screen_ships_positions(ScreenShot* shot) {
    render_info(shot, {'3', DOWN}, {'n', ENTER});
}
void screen_bank_accounts(ScreenShot* shot) {
    render_info(shot, {'4'}, {ENTER, ENTER});
}
void screen_bank(ScreenShot* shot) {
    render_bank(shot, {}, {});
}
void screen_bank_mortgage_list(ScreenShot* shot) {
    render_bank(shot, {'1'}, {});
}
void screen_bank_raise_mortgage(ScreenShot* shot) {
    std::vector<int32_t> keys = {'1', ENTER};
    for (int32_t k : amount_keys("5000")) keys.push_back(k);
    render_bank(shot, keys, {ENTER, ENTER});
}
void screen_bank_refusal(ScreenShot* shot) {
    std::vector<int32_t> keys = {'1', ENTER};
    for (int32_t k : amount_keys("99999")) keys.push_back(k);
    keys.push_back(ENTER);
    keys.push_back(ENTER);
    std::vector<int32_t> leave = {ENTER};
    for (int32_t k : amount_keys("0")) leave.push_back(k);
    leave.push_back(ENTER);
    leave.push_back(ENTER);
    render_bank(shot, keys, leave);
}
void screen_bank_pay_off_mortgage(ScreenShot* shot) {
    render_bank(shot, {'2', ENTER}, {ENTER, ENTER});
}
void screen_bank_obtain_credit(ScreenShot* shot) {
    render_bank(shot, {'3'}, {ENTER, ENTER});
}
void screen_bank_repay_credit(ScreenShot* shot) {
    render_bank(shot, {'4'}, {ENTER, ENTER});
}
void screen_bank_change_register(ScreenShot* shot) {
    render_bank(shot, {'5'}, {'n'});
}
void screen_bank_penalty(ScreenShot* shot) {
    render_bank(shot, {'5', 'y'}, {ENTER}, 900);
}
void screen_ranking_two(ScreenShot* shot) {
    render_ranking(shot, 2);
}
void screen_ranking_four(ScreenShot* shot) {
    render_ranking(shot, 4);
}
