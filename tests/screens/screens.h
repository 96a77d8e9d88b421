// The screens tool: renders named screens of the game on the headless host and writes each as a PNG
// file, so the screens can be looked at without playing. A screen is one row of g_screens.
#pragma once

#include <cstdint>

#include "engine/frame.h"

// One capture: the frame's palette indexes and the palette (blue, green, red, 0 per entry).
struct ScreenShot {
    uint8_t pixels[SCREEN_BYTES];
    uint8_t palette[256 * 4];
};

struct ScreenEntry {
    const char* name;  // also the PNG file's name
    void (*render)(ScreenShot* shot);
};

// Every screen the tool knows, ended by a row with a null name (screen_table.cpp).
extern const ScreenEntry g_screens[];

// Each render starts from the test picture on screen, the engine otherwise at rest.
void screens_show_test_picture();
// The frame as it is now.
void screens_shot_frame(ScreenShot* shot);
// The frame the window was last handed: for a modal screen, what it showed just before the
// scripted input closed it.
void screens_shot_presented(ScreenShot* shot);

// Toolkit screens (ui_screens.cpp).
void screen_message_box(ScreenShot* shot);
void screen_question(ScreenShot* shot);
void screen_letter(ScreenShot* shot);
void screen_file_requester(ScreenShot* shot);

// The title, the intro, the main screen and a letter over the map (game_main_screens.cpp).
void screen_title(ScreenShot* shot);
void screen_intro(ScreenShot* shot);
void screen_main_screen(ScreenShot* shot);
void screen_letter_over_map(ScreenShot* shot);

// The daily step (game_day_screens.cpp).
void screen_elimination(ScreenShot* shot);

// The globe's screens (game_globe_screens.cpp).
void screen_setup_form(ScreenShot* shot);
void screen_home_port_globe(ScreenShot* shot);
void screen_ship_locator(ScreenShot* shot);

// The manoeuvring simulation (voyage_screens.cpp).
void screen_chart_london(ScreenShot* shot);
void screen_chart_hamburg(ScreenShot* shot);
void screen_chart_hong_kong(ScreenShot* shot);
void screen_chart_pearl_harbor(ScreenShot* shot);
void screen_chart_ice(ScreenShot* shot);
void screen_chart_reef(ScreenShot* shot);
void screen_chart_shoals(ScreenShot* shot);
void screen_control_panel(ScreenShot* shot);
void screen_hourglass_limit(ScreenShot* shot);
void screen_episode_out_of_time(ScreenShot* shot);
void screen_rescue(ScreenShot* shot);
