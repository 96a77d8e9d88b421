#include "host/sdl_window.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "engine/frame_handover.h"
#include "engine/input.h"
#include "host/host_texts.h"
#include "host/key_map.h"
#include "host/platform.h"
#include "host/sdl_platform.h"

HostWindow g_host{};

namespace {

constexpr uint32_t kTickMs = 50;

// While input waits for the game, the window looks again this often.
constexpr uint32_t kInputWaitMs = 5;

HostGame g_game = nullptr;

void game_thread_entry() {
    int32_t status = g_game();
    sdl_platform_game_ended(status);
}

// The keypad's 4, 8, 6, 2 and its decimal point are the arrows and Delete while they do not type
// digits: NumLock off, or on with Shift held (which turns it round). Typing keys give their
// digit as typed text instead.
HostKey keypad_key(SDL_Keycode k, uint16_t mod) {
    bool types = ((mod & KMOD_NUM) != 0) != ((mod & KMOD_SHIFT) != 0);
    if (types) return HOST_KEY_OTHER;
    switch (k) {
        case SDLK_KP_4: return HOST_KEY_LEFT;
        case SDLK_KP_8: return HOST_KEY_UP;
        case SDLK_KP_6: return HOST_KEY_RIGHT;
        case SDLK_KP_2: return HOST_KEY_DOWN;
        case SDLK_KP_PERIOD: return HOST_KEY_DELETE;
        default: return HOST_KEY_OTHER;
    }
}

HostKey host_key(SDL_Keycode k, uint16_t mod, uint32_t* letter) {
    *letter = 0;
    switch (k) {
        case SDLK_KP_4:
        case SDLK_KP_8:
        case SDLK_KP_6:
        case SDLK_KP_2:
        case SDLK_KP_PERIOD:
            return keypad_key(k, mod);
        case SDLK_LEFT:
            return HOST_KEY_LEFT;
        case SDLK_UP:
            return HOST_KEY_UP;
        case SDLK_RIGHT:
            return HOST_KEY_RIGHT;
        case SDLK_DOWN:
            return HOST_KEY_DOWN;
        case SDLK_DELETE:
            return HOST_KEY_DELETE;
        case SDLK_RETURN:
        case SDLK_RETURN2:
        case SDLK_KP_ENTER:
            return HOST_KEY_RETURN;
        case SDLK_ESCAPE:
            return HOST_KEY_ESCAPE;
        case SDLK_BACKSPACE:
            return HOST_KEY_BACKSPACE;
        case SDLK_TAB:
            return HOST_KEY_TAB;
        case SDLK_SPACE:
            return HOST_KEY_SPACE;
        default:
            break;
    }
    if (k >= SDLK_a && k <= SDLK_z) {
        *letter = static_cast<uint32_t>(k);
        return HOST_KEY_LETTER;
    }
    return HOST_KEY_OTHER;
}

uint32_t host_mods(uint16_t mod) {
    uint32_t m = 0;
    if ((mod & KMOD_SHIFT) != 0) m |= HOST_MOD_SHIFT;
    if ((mod & KMOD_CTRL) != 0) m |= HOST_MOD_CTRL;
    if ((mod & KMOD_ALT) != 0) m |= HOST_MOD_ALT;
    return m;
}

bool is_main(uint32_t window_id) {
    return window_id == SDL_GetWindowID(g_host.window);
}

void refresh_client() {
    int w = 0, h = 0;
    SDL_GetWindowSize(g_host.window, &w, &h);
    if ((SDL_GetWindowFlags(g_host.window) & SDL_WINDOW_MINIMIZED) != 0) w = h = 0;
    g_host.client = ClientArea{w, h};
}

void run_command(int32_t command) {
    switch (command) {
        case MENU_QUIT:
            g_host.quit = true;
            break;
        case MENU_ABOUT:
            host_dialog_open(DIALOG_ABOUT);
            break;
        case MENU_INSTRUCTIONS:
            host_dialog_open(DIALOG_INSTRUCTIONS);
            break;
        default:
            break;
    }
}

void menu_result(const MenuResult& r) {
    if (r.changed) {
        g_host.strip_dirty = true;
        host_window_present();
    }
    if (r.command != 0) run_command(r.command);
}

void mouse_event(const SDL_Event& e) {
    int32_t cx = e.type == SDL_MOUSEMOTION ? e.motion.x : e.button.x;
    int32_t cy = e.type == SDL_MOUSEMOTION ? e.motion.y : e.button.y;
    int32_t fx = 0, fy = 0;
    if (e.type == SDL_MOUSEMOTION) {
        MenuResult r = menu_motion(&g_host.menu, &g_host.menu_state, cx, cy);
        menu_result(r);
        if (!r.taken && scale_pointer(g_host.client, cx, cy, &fx, &fy) != 0)
            mouse_queue_push(&g_host.mouse, MOUSE_CHANGE_MOVE, static_cast<uint32_t>(fx), static_cast<uint32_t>(fy));
        return;
    }
    bool left = e.button.button == SDL_BUTTON_LEFT;
    bool right = e.button.button == SDL_BUTTON_RIGHT;
    if (!left && !right) return;
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        MenuResult r = menu_press(&g_host.menu, &g_host.menu_state, cx, cy);
        menu_result(r);
        if (r.taken || scale_pointer(g_host.client, cx, cy, &fx, &fy) == 0) return;
        MouseChange change = left ? MOUSE_CHANGE_LEFT_DOWN : MOUSE_CHANGE_RIGHT_DOWN;
        mouse_queue_push(&g_host.mouse, change, static_cast<uint32_t>(fx), static_cast<uint32_t>(fy));
        return;
    }
    // Every release goes to the queue, which hands it over after its press or, when that press
    // found no room (a long burst of taps), drops it with the press: a button never stays down in
    // the game.
    if (left) {
        mouse_queue_push(&g_host.mouse, MOUSE_CHANGE_LEFT_UP, 0, 0);
        menu_result(menu_release(&g_host.menu, &g_host.menu_state, cx, cy));
    }
    if (right) mouse_queue_push(&g_host.mouse, MOUSE_CHANGE_RIGHT_UP, 0, 0);
}

void key_event(const SDL_KeyboardEvent& k) {
    uint32_t letter = 0;
    HostKey key = host_key(k.keysym.sym, k.keysym.mod, &letter);
    uint32_t mods = host_mods(k.keysym.mod);
    g_host.text_alt = (mods & HOST_MOD_ALT) != 0;
    g_host.text_blocked = false;
    g_host.text_repeat = k.repeat != 0;
    if (g_host.menu_state.open >= 0) {
        g_host.text_blocked = true;
        menu_result(menu_key(&g_host.menu, &g_host.menu_state, key, letter));
        return;
    }
    KeyAction a = key_down_action(key, letter, mods);
    switch (a.kind) {
        case KEY_ACTION_STORE:
            key_queue_push(&g_host.keys, static_cast<uint32_t>(a.value), k.repeat != 0);
            break;
        case KEY_ACTION_MENU:
            g_host.text_blocked = true;
            menu_result(menu_open(&g_host.menu_state, a.value));
            break;
        case KEY_ACTION_COMMAND:
            run_command(a.value);
            break;
        case KEY_ACTION_NONE:
            break;
    }
}

void text_event(const SDL_TextInputEvent& t) {
    if (g_host.text_blocked) return;
    const char* p = t.text;
    while (*p != '\0') {
        uint32_t ch = utf8_next(&p);
        KeyAction a = text_input_action(ch, g_host.text_alt, g_host.code_page);
        if (a.kind == KEY_ACTION_STORE)
            key_queue_push(&g_host.keys, static_cast<uint32_t>(a.value), g_host.text_repeat);
        if (a.kind == KEY_ACTION_COMMAND) {
            run_command(a.value);
            return;  // the box now owns the keyboard
        }
    }
}

void window_event(const SDL_WindowEvent& w) {
    if (w.event == SDL_WINDOWEVENT_CLOSE) {
        g_host.quit = true;
    } else if (w.event == SDL_WINDOWEVENT_EXPOSED || w.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
               w.event == SDL_WINDOWEVENT_RESTORED) {
        refresh_client();
        host_window_present();
    } else if (w.event == SDL_WINDOWEVENT_MINIMIZED) {
        refresh_client();
    }
}

// The game thread has returned: the window ends with the game's status, after showing why the
// game could not start when it says so.
void game_ended(int32_t status) {
    g_host.game_ended = true;
    g_host.exit_status = status;
    g_host.start_failures = sdl_platform_start_failures();
    if (status != 0 && !g_host.start_failures.empty()) {
        host_dialog_close();
        host_dialog_open(DIALOG_START_FAILURE);
        if (g_host.dialog.window != nullptr) return;  // closing the box ends the window
    }
    g_host.quit = true;
}

void handle_event(const SDL_Event& e) {
    if (e.type == g_host.exit_event) sdl_shutdown_and_exit(e.user.code);
    if (e.type == g_host.game_end_event) {
        game_ended(e.user.code);
        return;
    }
    if (e.type == SDL_QUIT) {
        g_host.quit = true;
        return;
    }
    if (e.type == SDL_WINDOWEVENT) {
        if (is_main(e.window.windowID))
            window_event(e.window);
        else
            host_dialog_event(e);
        return;
    }
    if (g_host.dialog.window != nullptr) {
        if (e.type == SDL_KEYDOWN) g_host.text_blocked = true;  // its text belongs to the box too
        host_dialog_event(e);  // the box is modal: the main window gets no input meanwhile
        return;
    }
    switch (e.type) {
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (is_main(e.type == SDL_MOUSEMOTION ? e.motion.windowID : e.button.windowID)) mouse_event(e);
            break;
        case SDL_KEYDOWN:
            key_event(e.key);
            break;
        case SDL_TEXTINPUT:
            text_event(e.text);
            break;
        default:
            break;
    }
}

SDL_Texture* make_texture(int32_t w, int32_t h) {
    SDL_Texture* t =
        SDL_CreateTexture(g_host.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
    if (t != nullptr) SDL_SetTextureBlendMode(t, SDL_BLENDMODE_NONE);
    return t;
}

void update_texture(SDL_Texture* t, const uint32_t* pixels, int32_t w) {
    SDL_UpdateTexture(t, nullptr, pixels, w * 4);
}

void compose_strip(int32_t width) {
    if (g_host.strip_texture == nullptr || g_host.strip_texture_width != width) {
        if (g_host.strip_texture != nullptr) SDL_DestroyTexture(g_host.strip_texture);
        g_host.strip_texture = make_texture(width, MENU_STRIP_HEIGHT);
        g_host.strip_texture_width = width;
        g_host.strip_dirty = true;
    }
    if (g_host.strip_texture == nullptr) return;
    if (g_host.strip_dirty) {
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * MENU_STRIP_HEIGHT);
        Canvas c{pixels.data(), width, MENU_STRIP_HEIGHT};
        paint_menu_strip(&c, &g_host.menu, &g_host.menu_state);
        update_texture(g_host.strip_texture, pixels.data(), width);
        if (g_host.list_texture != nullptr) SDL_DestroyTexture(g_host.list_texture);
        g_host.list_texture = nullptr;
        if (g_host.menu_state.open >= 0) {
            const MenuTitleLayout& t = g_host.menu.titles[g_host.menu_state.open];
            std::vector<uint32_t> list(static_cast<size_t>(t.drop_w) * static_cast<size_t>(t.drop_h));
            Canvas lc{list.data(), t.drop_w, t.drop_h};
            paint_menu_list(&lc, &g_host.menu, &g_host.menu_state);
            g_host.list_texture = make_texture(t.drop_w, t.drop_h);
            if (g_host.list_texture != nullptr) update_texture(g_host.list_texture, list.data(), t.drop_w);
        }
        g_host.strip_dirty = false;
    }
    SDL_Rect dst{0, 0, width, MENU_STRIP_HEIGHT};
    SDL_RenderCopy(g_host.renderer, g_host.strip_texture, nullptr, &dst);
    if (g_host.list_texture != nullptr && g_host.menu_state.open >= 0) {
        const MenuTitleLayout& t = g_host.menu.titles[g_host.menu_state.open];
        SDL_Rect list_dst{t.drop_x, t.drop_y, t.drop_w, t.drop_h};
        SDL_RenderCopy(g_host.renderer, g_host.list_texture, nullptr, &list_dst);
    }
}

}  // namespace

void frame_to_argb_span(const uint8_t* pixels, const uint8_t* palette, uint32_t* out, size_t count) {
    uint32_t colours[256];
    for (int32_t i = 0; i < 256; ++i) {
        const uint8_t* e = palette + 4 * i;
        colours[i] =
            0xFF000000u | static_cast<uint32_t>(e[2]) << 16 | static_cast<uint32_t>(e[1]) << 8 | e[0];
    }
    for (size_t i = 0; i < count; ++i) out[i] = colours[pixels[i]];
}

void frame_to_argb(const uint8_t* pixels, const uint8_t* palette, uint32_t* out) {
    frame_to_argb_span(pixels, palette, out, static_cast<size_t>(FRAME_WIDTH * FRAME_HEIGHT));
}

int32_t host_window_open(const SdlHostOptions* options) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // The window's surface is the display's own image (shared memory on X11), so that sending a
    // few changed rows costs no more than those rows; SDL would otherwise draw the surface through
    // a renderer, whole, every time.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "marivane: no window: %s\n", SDL_GetError());
        return 0;
    }
    g_host = HostWindow{};
    g_host.code_page = options->code_page;
    int32_t w = options->width > 0 ? options->width : 2 * FRAME_WIDTH;
    int32_t h = options->height > 0 ? options->height : 2 * FRAME_HEIGHT + MENU_STRIP_HEIGHT;
    g_host.window = SDL_CreateWindow(g_window_title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, w, h,
                                     SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN);
    if (g_host.window == nullptr) {
        std::fprintf(stderr, "marivane: no window: %s\n", SDL_GetError());
        return 0;
    }
    if (!host_surface_open()) g_host.renderer = SDL_CreateRenderer(g_host.window, -1, 0);
    if (!g_host.surface_mode && g_host.renderer == nullptr)
        g_host.renderer = SDL_CreateRenderer(g_host.window, -1, SDL_RENDERER_SOFTWARE);
    if (!g_host.surface_mode && g_host.renderer == nullptr) {
        std::fprintf(stderr, "marivane: no renderer: %s\n", SDL_GetError());
        SDL_DestroyWindow(g_host.window);
        g_host.window = nullptr;
        return 0;
    }
    if (g_host.renderer != nullptr) g_host.frame_texture = make_texture(FRAME_WIDTH, FRAME_HEIGHT);
    g_host.frame_pixels.assign(static_cast<size_t>(FRAME_WIDTH * FRAME_HEIGHT), 0xFF000000u);
    g_host.menu = menu_layout();
    g_host.menu_state = MenuState{-1, -1};
    g_host.strip_dirty = true;
    g_host.exit_event = SDL_RegisterEvents(2);
    g_host.game_end_event = g_host.exit_event + 1;
    g_host.next_tick_ms = platform_clock_ms() + kTickMs;
    host_load_instructions_page();
    host_set_window_icon();
    sdl_platform_window_running(g_host.exit_event, g_host.game_end_event);
    return 1;
}

void host_window_start_game(HostGame game) {
    if (g_host.game_started || game == nullptr) return;
    g_host.game_started = true;
    g_game = game;
    std::thread(game_thread_entry).detach();
}

void host_window_handle(const SDL_Event& e) {
    handle_event(e);
}

void host_window_tick() {
    refresh_client();
    sdl_audio_close_when_idle(platform_clock_ms());
    // The game raises the flag as it draws; there is something new to show only once it has
    // handed a new frame over.
    if (screen_take_changed_flag() != 0 && frame_front_serial() != g_host.texture_serial)
        host_window_present_new_frame();
}

int32_t host_window_pump(uint32_t wait_ms) {
    // Keys and button changes the game was not ready for are looked at again shortly.
    int32_t waiting = key_queue_feed(&g_host.keys) + mouse_queue_feed(&g_host.mouse);
    if (waiting > 0 && wait_ms > kInputWaitMs) wait_ms = kInputWaitMs;
    uint32_t now = platform_clock_ms();
    uint32_t until_tick = g_host.next_tick_ms > now ? g_host.next_tick_ms - now : 0;
    uint32_t wait = until_tick < wait_ms ? until_tick : wait_ms;
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, static_cast<int>(wait)) != 0) {
        handle_event(e);
        while (!g_host.quit && SDL_PollEvent(&e) != 0) handle_event(e);
    }
    key_queue_feed(&g_host.keys);
    mouse_queue_feed(&g_host.mouse);
    now = platform_clock_ms();
    if (now >= g_host.next_tick_ms) {
        host_window_tick();
        g_host.next_tick_ms += kTickMs;
        if (g_host.next_tick_ms <= now) g_host.next_tick_ms = now + kTickMs;  // fell behind: skip ticks
    }
    return g_host.quit ? 0 : 1;
}

namespace {

// Brings the window's copy of the frame up to the front buffer: the rows that differ from it are
// turned into colours (all of them when the colours changed) and, for the renderer, uploaded.
// *first and *last are the rows that changed (first > last when none did).
void update_frame_pixels(int32_t* first, int32_t* last) {
    static uint8_t pixels[FRAME_WIDTH * FRAME_HEIGHT];
    static uint8_t palette[256 * 4];
    *first = 0;
    *last = -1;
    uint32_t serial = frame_front_read(pixels, palette);
    if (g_host.texture_filled && serial == g_host.texture_serial) return;
    *last = FRAME_HEIGHT - 1;
    if (g_host.texture_filled && std::memcmp(palette, g_host.texture_palette, sizeof palette) == 0) {
        auto row_same = [](int32_t y) {
            size_t at = static_cast<size_t>(y) * FRAME_WIDTH;
            return std::memcmp(pixels + at, g_host.texture_indices.data() + at, FRAME_WIDTH) == 0;
        };
        while (*first <= *last && row_same(*first)) ++*first;
        while (*last >= *first && row_same(*last)) --*last;
    }
    if (*first <= *last) {
        g_host.texture_indices.resize(static_cast<size_t>(FRAME_WIDTH * FRAME_HEIGHT));
        size_t at = static_cast<size_t>(*first) * FRAME_WIDTH;
        size_t count = static_cast<size_t>(*last - *first + 1) * FRAME_WIDTH;
        std::memcpy(g_host.texture_indices.data() + at, pixels + at, count);
        std::memcpy(g_host.texture_palette, palette, sizeof palette);
        frame_to_argb_span(pixels + at, palette, g_host.frame_pixels.data() + at, count);
        if (g_host.frame_texture != nullptr) {
            SDL_Rect rows{0, *first, FRAME_WIDTH, *last - *first + 1};
            SDL_UpdateTexture(g_host.frame_texture, &rows, g_host.frame_pixels.data() + at, FRAME_WIDTH * 4);
        }
    }
    g_host.texture_filled = true;
    g_host.texture_serial = serial;
}

void compose_renderer() {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(g_host.renderer, &w, &h);
    ViewRect f = frame_area(ClientArea{w, h});
    // The strip and the frame cover the whole window; only a window too small for them is cleared.
    if (!(f.x == 0 && f.y == MENU_STRIP_HEIGHT && f.w == w && f.y + f.h == h)) {
        SDL_SetRenderDrawColor(g_host.renderer, 0, 0, 0, 255);
        SDL_RenderClear(g_host.renderer);
    }
    if (f.w > 0 && f.h > 0 && g_host.frame_texture != nullptr) {
        SDL_Rect dst{f.x, f.y, f.w, f.h};
        SDL_RenderCopy(g_host.renderer, g_host.frame_texture, nullptr, &dst);
    }
    if (w > 0) compose_strip(w);
}

void count_presentation() {
    if (g_host.presents++ == 0) g_host.first_present_ms = platform_clock_ms();
}

}  // namespace

void host_window_compose() {
    int32_t first = 0, last = 0;
    update_frame_pixels(&first, &last);
    if (g_host.surface_mode)
        host_surface_present(0, FRAME_HEIGHT - 1, true);
    else if (g_host.renderer != nullptr)
        compose_renderer();
}

void host_window_present() {
    if (g_host.window == nullptr || (!g_host.surface_mode && g_host.renderer == nullptr)) return;
    host_window_compose();
    if (!g_host.surface_mode) SDL_RenderPresent(g_host.renderer);
    count_presentation();
}

void host_window_present_new_frame() {
    if (!g_host.surface_mode) {
        host_window_present();
        return;
    }
    int32_t first = 0, last = 0;
    update_frame_pixels(&first, &last);
    host_surface_present(first, last, false);
    count_presentation();
}

void host_window_read_back(std::vector<uint32_t>* pixels, int32_t* w, int32_t* h) {
    // The window's surface holds what was presented; a renderer's picture is composed anew.
    if (!g_host.surface_mode || g_host.presents == 0) host_window_compose();
    if (g_host.surface_mode) {
        SDL_Surface* s = SDL_GetWindowSurface(g_host.window);
        *w = s->w;
        *h = s->h;
        pixels->resize(static_cast<size_t>(*w) * static_cast<size_t>(*h));
        for (int32_t y = 0; y < *h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
            for (int32_t x = 0; x < *w; ++x) (*pixels)[static_cast<size_t>(y * *w + x)] = row[x] | 0xFF000000u;
        }
        return;
    }
    SDL_GetRendererOutputSize(g_host.renderer, w, h);
    pixels->resize(static_cast<size_t>(*w) * static_cast<size_t>(*h));
    SDL_RenderReadPixels(g_host.renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels->data(), *w * 4);
}

void host_window_close() {
    host_dialog_close();
    if (g_host.list_texture != nullptr) SDL_DestroyTexture(g_host.list_texture);
    if (g_host.strip_texture != nullptr) SDL_DestroyTexture(g_host.strip_texture);
    if (g_host.frame_texture != nullptr) SDL_DestroyTexture(g_host.frame_texture);
    if (g_host.renderer != nullptr) SDL_DestroyRenderer(g_host.renderer);
    if (g_host.window != nullptr) SDL_DestroyWindow(g_host.window);
    g_host.list_texture = g_host.strip_texture = g_host.frame_texture = nullptr;
    g_host.renderer = nullptr;
    g_host.window = nullptr;
}

int32_t sdl_host_run(HostGame game, const SdlHostOptions* options) {
    if (host_window_open(options) == 0) return 0;
    sdl_audio_init();
    host_window_present();
    host_window_start_game(game);
    while (host_window_pump(UINT32_MAX) != 0) {
    }
    sdl_shutdown_and_exit(g_host.exit_status);
}
