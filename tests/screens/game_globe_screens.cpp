// The globe's screens: the new-game registration form, the home port on the shaded globe, and the
// ship locator with a ship crossing the Atlantic. The set-up runs whole on scripted keys; a press
// of the right button while a screen waits takes the picture.
#include <cstdio>

#include "views/state_reset.h"
#include "engine/input.h"
#include "world/records.h"
#include "world/sea_distance.h"
#include "game/setup.h"
#include "views/ship_locator.h"
#include "game/startup.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "ui/gadget.h"

namespace {

ScreenShot* g_capture = nullptr;
bool (*g_capture_when)() = nullptr;

// The right button alone reaches the menu hook from inside any screen's poll; the picture is
// taken at the first press that finds the wanted screen up.
void capture_frame() {
    if (g_capture == nullptr || (g_capture_when != nullptr && !g_capture_when())) return;
    screens_shot_frame(g_capture);
    g_capture = nullptr;
}

// Right-button presses from from_ms to to_ms, one a second, each taking the picture when wanted.
void script_capture(uint32_t from_ms, uint32_t to_ms, ScreenShot* shot, bool (*when)()) {
    g_capture = shot;
    g_capture_when = when;
    g_menu_run_hook = capture_frame;
    for (uint32_t t = from_ms; t <= to_ms; t += 1000) {
        headless_script(t, HEADLESS_RIGHT_DOWN, 160, 5);
        headless_script(t + 200, HEADLESS_RIGHT_UP);
    }
}

// The form: its company field holds the typed name.
bool form_filled_in() {
    EntryFieldInfo* info =
        g_active_entry_field != nullptr ? gadget_entry_info(g_active_entry_field) : nullptr;
    return info != nullptr && info->length == 6;
}

// What the start-up sets for the globe before any game.
void globe_start_up_settings() {
    views_state_reset();
}

// A set-up for one shipowner on default choices, a key every 1.5 s, with the picture taken while
// the form waits (when a shot is given).
void run_setup(ScreenShot* shot) {
    globe_start_up_settings();
    uint32_t t = 1000;
    auto key = [&t](int32_t code) {
        headless_script(t, HEADLESS_KEY, code);
        t += 1500;
    };
    key(13);   // duration
    key(13);   // difficulty
    key(13);   // its remark
    key(13);   // mode
    key(13);   // its remark
    key('1');  // one shipowner
    key(13);
    headless_script_text(t, "Ahab");
    t += 1000;
    key(13);  // on to the company field
    headless_script_text(t, "Pequod");
    t += 1500;
    uint32_t from = t;
    for (int32_t i = 0; i < 6; ++i) key(13);  // the form, the farewell, the home port, the globe and spares
    // A button held while the globe is shaded stops the shading, so the globe is taken from the
    // last frame shown instead, once the set-up is over.
    if (shot != nullptr) script_capture(from - 500, t, shot, form_filled_in);
    setup_new_game();
    g_capture = nullptr;
}

}  // namespace

void screen_setup_form(ScreenShot* shot) {
    void (*saved)() = g_menu_run_hook;
    run_setup(shot);
    g_menu_run_hook = saved;
}

void screen_home_port_globe(ScreenShot* shot) {
    void (*saved)() = g_menu_run_hook;
    run_setup(nullptr);
    screens_shot_presented(shot);
    g_menu_run_hook = saved;
}

void screen_ship_locator(ScreenShot* shot) {
    void (*saved)() = g_menu_run_hook;
    globe_start_up_settings();
    init_route_lengths();
    Ship ship = {};
    std::snprintf(ship.name, sizeof ship.name, "Aurora");
    ship.route = 1;  // London - New York
    ship.direction = 1;
    ship.port = 1;
    ship.cargo = 4;
    ship.sailed_nm = 1700;
    ship.speed = 16;
    script_capture(2000, 2000, shot, nullptr);
    headless_script(3000, HEADLESS_KEY, 13);
    show_ship_locator(&ship);
    g_menu_run_hook = saved;
}
