#include "game/main_loop.h"

#include "business/broker.h"
#include "business/office.h"
#include "engine/draw.h"
#include "engine/timing.h"
#include "views/day_dial.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "game/day_step.h"
#include "game/setup.h"
#include "game/project_commands.h"
#include "world/records.h"
#include "game/shipowner_chooser.h"
#include "views/status_panel.h"
#include "views/world_map.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"

namespace {

constexpr int32_t SPACE_COMMAND = 900;
constexpr int32_t KEY_1_COMMAND = 100;  // keys '1', '2', '3' stand for the three side buttons
constexpr int32_t DIAL_STEP = 8;
constexpr int32_t DIAL_LAST = 71;

struct HotZone {
    int32_t x, y, w, h;
};

constexpr HotZone RUN_ZONE = {12, 164, 55, 31};
// The side buttons: hot zone, the row of their frame, their command and their key's command.
struct SideButton {
    HotZone zone;
    int32_t frame_y;
    int32_t command;
    int32_t key_command;
};
constexpr SideButton SIDE_BUTTONS[3] = {
    {{254, 17, 60, 42}, 16, MAIN_FLEET_BUTTON, KEY_1_COMMAND},
    {{254, 63, 60, 42}, 62, MAIN_OFFICE_BUTTON, KEY_1_COMMAND + 1},
    {{254, 109, 60, 42}, 108, MAIN_BROKER_BUTTON, KEY_1_COMMAND + 2},
};

int32_t in_zone(const HotZone& z) {
    return mouse_in_rect(z.x, z.y, z.w, z.h);
}

void press(MainLoop* loop) {
    g_gadget_pressed = 1;
    if ((in_zone(RUN_ZONE) != 0 && g_click_pressed == 1) || g_command == SPACE_COMMAND) {
        loop->run_state = loop->run_state == RUN_STOPPED ? RUN_RUNNING : RUN_STOPPED;
        set_run_button_state(loop->run_state);
        loop->pending_button = MAIN_RUN_BUTTON;
        return;
    }
    for (const SideButton& b : SIDE_BUTTONS) {
        if ((in_zone(b.zone) != 0 && g_click_pressed == 1) || g_command == b.key_command) {
            toggle_button_frame(b.frame_y, 1);
            loop->pending_button = b.command;
            return;
        }
    }
}

void release(MainLoop* loop) {
    g_gadget_pressed = 0;
    int32_t pending = loop->pending_button;
    if (pending == MAIN_RUN_BUTTON) {
        if ((in_zone(RUN_ZONE) != 0 && g_click_released == 1) || g_command == SPACE_COMMAND) {
            g_command = MAIN_RUN_BUTTON;
        } else {
            // Let go outside the button: the press is taken back.
            loop->run_state = loop->saved_run_state;
            set_run_button_state(loop->run_state);
        }
        loop->pending_button = 0;
        return;
    }
    for (const SideButton& b : SIDE_BUTTONS) {
        if (pending != b.command) continue;
        toggle_button_frame(b.frame_y, 0);
        if ((in_zone(b.zone) != 0 && g_click_released == 1) || g_command == b.key_command)
            g_command = pending;
        loop->pending_button = 0;
        return;
    }
}

void open_side_screen(int32_t command, int32_t player) {
    switch (command) {
        case MAIN_FLEET_BUTTON:
            ships_positions_dialog(player);
            break;
        case MAIN_OFFICE_BUTTON:
            shipowner_office_screen(player);
            break;
        case MAIN_BROKER_BUTTON:
            enter_shipbroker_building(player);
            break;
        default:
            break;
    }
}

}  // namespace

void main_screen_enter(MainLoop* loop) {
    clear_screen();
    show_main_screen();
    seconds_since_start(&g_now_seconds);
    g_game_start_time = g_now_seconds;
    restore_main_screen();
    g_main_screen_shown = 1;

    loop->run_state = RUN_STOPPED;
    loop->saved_run_state = RUN_STOPPED;
    invalidate_run_button_state();
    loop->dial_step = 0;
    draw_status_panel();
    draw_day_dial(0);
    loop->pending_button = 0;
}

void main_loop_read_buttons(MainLoop* loop) {
    do {
        input_poll();
        if (g_command == SPACE_COMMAND || (g_command >= KEY_1_COMMAND && g_command <= KEY_1_COMMAND + 2)) {
            // The key acts as a press and a release in the same poll.
            g_click_pressed = 2;
            g_click_released = 2;
        }
        if (g_click_pressed != 0) press(loop);
        if (g_click_released != 0) release(loop);
    } while (g_gadget_pressed == 1);
}

void main_loop_side_button(MainLoop* loop) {
    int32_t command = g_command;
    if (command < MAIN_FLEET_BUTTON || command > MAIN_BROKER_BUTTON) return;
    if (loop->run_state == RUN_RUNNING) {
        // The side screens open only while the clock is stopped.
        if (command != MAIN_FLEET_BUTTON) g_main_screen_shown = 0;
        return;
    }
    call_stub_noop_d();
    int32_t chosen = 0;
    if (choose_shipowner_dialog(&chosen) == 0) {
        open_side_screen(command, chosen);
        clear_screen();
        show_main_screen();
    }
    restore_main_screen();
    invalidate_run_button_state();
    g_main_screen_shown = 1;
    draw_status_panel();
    draw_day_dial(loop->dial_step);
    stub_noop_c();
}

void main_loop_clock(MainLoop* loop) {
    if (loop->run_state != RUN_RUNNING) return;
    set_run_button_state(RUN_RUNNING);
    draw_day_dial(loop->dial_step);
    loop->dial_step += DIAL_STEP;
    if (loop->dial_step <= DIAL_LAST) return;
    loop->dial_step = 0;
    call_stub_noop_d();
    if (day_step() != 0) {
        // A letter, an incident or a screen of the day covered the main screen.
        show_main_screen();
        restore_main_screen();
        g_main_screen_shown = 1;
        loop->run_state = RUN_RUNNING;
        invalidate_run_button_state();
        set_run_button_state(RUN_RUNNING);
    }
    redraw_world_map(0);
    draw_status_panel();
    stub_noop_c();
}

void main_loop_check_playing_time() {
    if (g_playing_duration <= 0) return;
    seconds_since_start(&g_now_seconds);
    uint32_t end = static_cast<uint32_t>(g_game_start_time) + static_cast<uint32_t>(g_playing_duration);
    if (!(end < static_cast<uint32_t>(g_now_seconds))) return;
    call_stub_noop_d();
    const char* lines[] = {lang_text(TXT_TIME_EXPIRED), lang_text(TXT_TIME_EXPIRED_BLANK), nullptr};
    if (ask_yes_no(lines, lang_text(TXT_TIME_CONTINUE), lang_text(TXT_TIME_QUIT), 0) == 1) {
        g_playing_duration = -1;
    } else {
        g_quit = 1;
    }
    stub_noop_c();
}

void main_loop_pass(MainLoop* loop) {
    set_run_button_state(loop->run_state);
    if (serve_project_command() != 0) {
        // Another game was loaded: its main screen is drawn at once, as a start from its file
        // draws it. The weather is the program's, not the game's: a load leaves it as it is, so
        // a game saved and loaded again goes on as it would have without the load.
        main_screen_enter(loop);
    }
    loop->saved_run_state = loop->run_state;
    main_loop_read_buttons(loop);
    main_loop_side_button(loop);
    main_loop_clock(loop);
    main_loop_check_playing_time();
}
