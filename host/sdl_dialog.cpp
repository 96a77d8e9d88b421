// The About, Instructions and start-failure boxes, each in a small window of its own, centred on
// the main window and belonging to it. While one is open the main window keeps presenting the
// frame but takes no input.
#include <string>
#include <vector>

#include "host/host_texts.h"
#include "host/sdl_window.h"

namespace {

// The text of the open box, when it has any.
std::vector<const char*> box_lines() {
    std::vector<const char*> lines;
    const HostDialog& d = g_host.dialog;
    if (d.kind == DIALOG_START_FAILURE) {
        lines.push_back("Marivane cannot start:");
        for (const std::string& line : g_host.start_failures)
            if (static_cast<int32_t>(lines.size()) < START_FAILURE_LINES - 2) lines.push_back(line.c_str());
        lines.push_back("");
        lines.push_back("Put the game's data files back into its folder.");
    } else if (d.kind == DIALOG_INSTRUCTIONS && g_host.picture.empty() && g_host.picture_note != nullptr) {
        lines.push_back(g_host.picture_note);
    }
    lines.push_back(nullptr);
    return lines;
}

const char* box_title(DialogKind kind) {
    switch (kind) {
        case DIALOG_ABOUT: return g_about_title;
        case DIALOG_INSTRUCTIONS: return g_instructions_title;
        case DIALOG_START_FAILURE: return g_product_name;
    }
    return g_product_name;
}

void paint() {
    HostDialog& d = g_host.dialog;
    if (d.renderer == nullptr) return;
    DialogLayout l = dialog_layout(d.kind);
    Canvas c{d.pixels.data(), l.width, l.height};
    std::vector<const char*> lines = box_lines();
    paint_dialog(&c, d.kind, &d.state, g_host.picture.empty() ? nullptr : g_host.picture.data(), lines.data());
    if (d.texture != nullptr) SDL_UpdateTexture(d.texture, nullptr, d.pixels.data(), l.width * 4);
    SDL_RenderClear(d.renderer);
    if (d.texture != nullptr) SDL_RenderCopy(d.renderer, d.texture, nullptr, nullptr);
    SDL_RenderPresent(d.renderer);
}

void end(int32_t code) {
    if (code == 0) return;
    bool failure = g_host.dialog.kind == DIALOG_START_FAILURE;
    host_dialog_close();
    if (failure) g_host.quit = true;  // the game has ended: so does the window
}

}  // namespace

void host_dialog_open(DialogKind kind) {
    if (g_host.dialog.window != nullptr) return;
    HostDialog& d = g_host.dialog;
    DialogLayout l = dialog_layout(kind);
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (g_host.window != nullptr) {
        int wx = 0, wy = 0, ww = 0, wh = 0;
        SDL_GetWindowPosition(g_host.window, &wx, &wy);
        SDL_GetWindowSize(g_host.window, &ww, &wh);
        x = wx + (ww - l.width) / 2;
        y = wy + (wh - l.height) / 2;
        if (x < 0) x = 0;
        if (y < 0) y = 0;
    }
    const char* title = box_title(kind);
    d = HostDialog{};
    d.kind = kind;
    d.window = SDL_CreateWindow(title, x, y, l.width, l.height, SDL_WINDOW_SHOWN);
    if (d.window == nullptr) return;
    d.renderer = SDL_CreateRenderer(d.window, -1, 0);
    if (d.renderer == nullptr) d.renderer = SDL_CreateRenderer(d.window, -1, SDL_RENDERER_SOFTWARE);
    if (d.renderer != nullptr)
        d.texture = SDL_CreateTexture(d.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, l.width,
                                      l.height);
    d.pixels.assign(static_cast<size_t>(l.width) * static_cast<size_t>(l.height), 0);
    // It belongs to the main window, which the window manager keeps it over. Set once the
    // renderer exists: making a renderer may make the box's window anew.
    if (g_host.window != nullptr) SDL_SetWindowModalFor(d.window, g_host.window);
    if (!g_host.icon.empty()) host_set_icon_of(d.window);
    SDL_RaiseWindow(d.window);
    SDL_SetWindowInputFocus(d.window);
    paint();
}

void host_dialog_event(const SDL_Event& e) {
    HostDialog& d = g_host.dialog;
    if (d.window == nullptr) return;
    DialogLayout l = dialog_layout(d.kind);
    uint32_t id = SDL_GetWindowID(d.window);
    bool repaint = false;
    int32_t code = 0;
    switch (e.type) {
        case SDL_WINDOWEVENT:
            if (e.window.windowID != id) return;
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) code = 2;
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) repaint = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.windowID == id && e.button.button == SDL_BUTTON_LEFT)
                code = dialog_press(&l, &d.state, e.button.x, e.button.y, &repaint);
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.windowID == id) code = dialog_motion(&l, &d.state, e.motion.x, e.motion.y, &repaint);
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT) {
                int32_t x = e.button.windowID == id ? e.button.x : -1;
                code = dialog_release(&l, &d.state, x, e.button.y, &repaint);
            }
            break;
        case SDL_KEYDOWN: {
            // Keys drive the box whichever window has the keyboard: without a window manager the
            // focus may stay on the main window.
            SDL_Keycode k = e.key.keysym.sym;
            HostKey key = k == SDLK_RETURN || k == SDLK_KP_ENTER ? HOST_KEY_RETURN
                          : k == SDLK_ESCAPE                     ? HOST_KEY_ESCAPE
                          : k == SDLK_SPACE                      ? HOST_KEY_SPACE
                                                                 : HOST_KEY_OTHER;
            code = dialog_key(key);
            break;
        }
        default: break;
    }
    if (code != 0) {
        end(code);
        return;
    }
    if (repaint) paint();
}

void host_dialog_close() {
    HostDialog& d = g_host.dialog;
    if (d.window == nullptr) return;
    if (d.texture != nullptr) SDL_DestroyTexture(d.texture);
    if (d.renderer != nullptr) SDL_DestroyRenderer(d.renderer);
    SDL_DestroyWindow(d.window);
    d = HostDialog{};
    if (g_host.window != nullptr) {
        // Without a window manager the keyboard focus would stay with the destroyed box.
        SDL_RaiseWindow(g_host.window);
        SDL_SetWindowInputFocus(g_host.window);
    }
    host_window_present();
}
