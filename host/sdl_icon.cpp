// The main window's icon, painted from the game's own pictures before the game starts; the boxes
// carry it too.
#include "host/sdl_window.h"
#include "host/window_icon.h"

void host_set_icon_of(SDL_Window* window) {
    if (g_host.icon.empty() || window == nullptr) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(g_host.icon.data(), WINDOW_ICON_SIZE, WINDOW_ICON_SIZE, 32,
                                                        WINDOW_ICON_SIZE * 4, SDL_PIXELFORMAT_ARGB8888);
    if (s == nullptr) return;
    SDL_SetWindowIcon(window, s);
    SDL_FreeSurface(s);
}

void host_set_window_icon() {
    g_host.icon = window_icon_from_picture_files();
    host_set_icon_of(g_host.window);
}
