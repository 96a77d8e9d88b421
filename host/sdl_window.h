// The window host on SDL2: one window showing the game's 320 x 200 frame stretched to its client
// area below a slim menu strip (File > Quit; Help > Instructions..., About...), a 50 ms tick that
// presents the frame when the game has drawn, the pointer and keys handed to the game's input
// variables, and the About and Instructions boxes. The window thread is the program's main
// thread; the game runs on a thread of its own, started once the window exists.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/code_page.h"
#include "host/host_dialogs.h"
#include "host/input_queue.h"
#include "host/menu_bar.h"
#include "host/view_geometry.h"

struct SdlHostOptions {
    CodePage code_page;  // typed text is handed to the game in this code page
    int32_t width;       // initial client size; 0 picks 640 x 400 for the frame plus the strip
    int32_t height;
};

struct HostDialog {
    DialogKind kind;
    SDL_Window* window;  // null while no box is open
    SDL_Renderer* renderer;
    SDL_Texture* texture;
    DialogState state;
    std::vector<uint32_t> pixels;
};

// Window-thread state.
struct HostWindow {
    SDL_Window* window;
    SDL_Renderer* renderer;
    SDL_Texture* frame_texture;  // 320 x 200
    SDL_Texture* strip_texture;  // client width x strip height
    SDL_Texture* list_texture;   // the open drop-down list
    int32_t strip_texture_width;
    ClientArea client;  // refreshed on every tick and expose; 0 x 0 until the first
    CodePage code_page;
    MenuLayout menu;
    MenuState menu_state;
    bool strip_dirty;
    bool text_alt;      // the last key press had Alt down (its text belongs to the window)
    bool text_blocked;  // the last key press went to the menu or a box (so does its text)
    bool text_repeat;   // the last key press was a repeat of a held key (so is its text)
    bool game_started;
    bool game_ended;
    bool quit;            // Quit, the window closed, or the game ended
    int32_t exit_status;  // the program's status once the window ends: the game's, or 0
    uint32_t exit_event;  // the event by which the game thread asks for the process to end
    uint32_t game_end_event;  // the event by which the game thread says it has returned
    KeyQueue keys;             // typed keys waiting for the game's key store
    MouseQueue mouse;          // button changes waiting for the game to see the one before
    std::vector<std::string> start_failures;  // why the game could not start, shown when it ends
    uint32_t next_tick_ms;
    uint32_t presents;  // frames presented so far
    uint32_t first_present_ms;
    HostDialog dialog;
    std::vector<uint32_t> frame_pixels;  // 320 x 200, converted through the palette
    std::vector<uint8_t> texture_indices;  // the frame the texture shows, as palette indexes
    uint8_t texture_palette[256 * 4];      // ... and its colours
    uint32_t texture_serial;               // ... and which hand-over it was
    bool texture_filled;                   // the texture shows a frame read from the front buffer
    bool surface_mode;                     // presented into the window's surface, no renderer
    int32_t surface_w, surface_h;          // ... of the size last drawn
    std::vector<int32_t> column_map;       // ... the frame column of each window column
    std::vector<uint32_t> strip_pixels;    // ... the strip as last painted
    std::vector<uint32_t> picture;       // the instructions picture, 360 x 300; empty when missing
    const char* picture_note;            // why it is empty: missing or damaged
    std::vector<uint32_t> icon;          // the window's icon, 64 x 64; empty without the picture files
};

extern HostWindow g_host;

// The game thread's body: returns the program's status.
using HostGame = int32_t (*)();

// The whole host: opens the window, starts game on its thread and serves the window until it
// is closed, Quit is chosen or the game returns, which ends the process (with the game's status
// when it returned; a game that could not start first has its reasons shown in a box). Returns
// 0 only when no window could be made (then the game never starts).
int32_t sdl_host_run(HostGame game, const SdlHostOptions* options);

// The same in steps, for tests.
int32_t host_window_open(const SdlHostOptions* options);  // 1 when the window exists
void host_window_start_game(HostGame game);               // once; later calls do nothing
// Waits up to wait_ms for input, handles it and a due tick; 0 once the window is to end
// (g_host.exit_status then holds the program's status).
int32_t host_window_pump(uint32_t wait_ms);
// Handles one event as the pump does (tests feed events through it).
void host_window_handle(const SDL_Event& e);
// What the 50 ms tick does: refreshes the client size, presents when the game marked a change.
void host_window_tick();
// Reads the front frame and draws frame, strip and open list; present also shows them.
void host_window_compose();
void host_window_present();
// What the tick does with a new frame: in the window's surface only the rows that changed.
void host_window_present_new_frame();
// Reads back what the window shows (0xFFRRGGBB), for tests: the surface as last presented (composed
// whole when nothing was presented yet), or a renderer's picture composed anew.
void host_window_read_back(std::vector<uint32_t>* pixels, int32_t* w, int32_t* h);
// The window's surface (sdl_surface_present.cpp): chosen when it has 32-bit pixels; presents the
// frame rows first..last (whole: everything, strip and list included).
bool host_surface_open();
void host_surface_present(int32_t first_row, int32_t last_row, bool whole);
void host_window_close();  // destroys the window without ending the process

// Turns the front frame and palette (blue, green, red, 0 per entry) into 0xAARRGGBB pixels; the
// span form turns count pixels.
void frame_to_argb(const uint8_t* pixels, const uint8_t* palette, uint32_t* out);
void frame_to_argb_span(const uint8_t* pixels, const uint8_t* palette, uint32_t* out, size_t count);

// Reads the instructions page through the game's file layer into g_host.picture, or leaves it
// empty with g_host.picture_note saying why (sdl_instructions.cpp).
void host_load_instructions_page();
// Draws the window's icon from the game's own pictures (sdl_icon.cpp), and gives it to a box.
void host_set_window_icon();
void host_set_icon_of(SDL_Window* window);

// The boxes (sdl_dialog.cpp).
void host_dialog_open(DialogKind kind);
void host_dialog_event(const SDL_Event& e);  // input while a box is open
void host_dialog_close();
