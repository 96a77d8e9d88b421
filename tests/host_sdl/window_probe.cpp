// A stand-in game on the real window host, for the end-to-end test under a virtual X display
// (window_e2e.sh). Its game thread shows the test frame and writes every pointer press and key it
// receives to stdout; a left press also draws a marker where it landed. Two more uses:
//   window_probe --compare shot.ppm mx my   checks a screenshot of the window against the frame
//   window_probe --bench                    measures start-up and the cost of a presentation
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "engine/frame.h"
#include "engine/input.h"
#include "engine/timing.h"
#include "host/platform.h"
#include "host/sdl_window.h"
#include "tests/host_sdl/test_frame.h"

namespace {

int32_t probe_game() {
    test_frame_publish(-1, -1);
    const MenuLayout m = menu_layout();
    const MenuTitleLayout& file = m.titles[0];
    const MenuTitleLayout& help = m.titles[1];
    // Menu positions in client coordinates: each title's middle, and the middle of each row.
    auto row = [](const MenuTitleLayout& t, int32_t i) {
        return t.drop_y + 2 + i * MENU_ROW_HEIGHT + MENU_ROW_HEIGHT / 2;
    };
    std::printf("ready first_present_ms %u file %d %d %d help %d %d %d %d\n", g_host.first_present_ms,
                (file.x0 + file.x1) / 2, file.drop_x + 10, row(file, 0), (help.x0 + help.x1) / 2,
                help.drop_x + 10, row(help, 0), row(help, 1));
    std::fflush(stdout);
    // Polls as the game does: the buttons once a pass, then the key store, which sleeps 30 ms
    // when it is empty. Ctrl+Q ends the game with status 5.
    g_mouse_present = 1;
    uint32_t buttons = 0;
    for (;;) {
        uint32_t now = mouse_get_buttons();
        int32_t x = static_cast<int32_t>(g_mouse_x.load()), y = static_cast<int32_t>(g_mouse_y.load());
        if ((now & MOUSE_LEFT) != 0 && (buttons & MOUSE_LEFT) == 0) {
            std::printf("left %d %d\n", x, y);
            test_frame_publish(x, y);
        }
        if ((now & MOUSE_RIGHT) != 0 && (buttons & MOUSE_RIGHT) == 0) std::printf("right %d %d\n", x, y);
        buttons = now;
        if (key_slot_poll() != 0) {
            uint32_t key = key_slot_take();
            std::printf("key %u\n", key);
            if (key == 17) {
                std::printf("game ends\n");
                std::fflush(stdout);
                return 5;
            }
            game_sleep_ms(30);  // the game draws what the key did
        }
        std::fflush(stdout);
    }
}


int compare(const char* path, int32_t mx, int32_t my) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int32_t w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    if (magic != "P6" || max != 255 || w <= 0 || h <= MENU_STRIP_HEIGHT) {
        std::fprintf(stderr, "not a screenshot of the window: %s\n", path);
        return 1;
    }
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xFF000000u | static_cast<uint32_t>(rgb[3 * i]) << 16 |
                    static_cast<uint32_t>(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    int32_t bad =
        test_frame_mismatches(pixels.data() + static_cast<size_t>(MENU_STRIP_HEIGHT) * static_cast<size_t>(w),
                              w, w, h - MENU_STRIP_HEIGHT, mx, my);
    std::printf("%d of 64000 pixel centres differ (%d x %d)\n", bad, w, h - MENU_STRIP_HEIGHT);
    return bad == 0 ? 0 : 1;
}

int bench() {
    SdlHostOptions options{CODE_PAGE_437, 700, 550 + MENU_STRIP_HEIGHT};
    test_frame_publish(-1, -1);
    uint32_t before_video = platform_clock_ms();
    SDL_Init(SDL_INIT_VIDEO);  // timed on its own: the host's own call then finds it running
    uint32_t video = platform_clock_ms();
    if (host_window_open(&options) == 0) return 1;
    uint32_t window = platform_clock_ms();
    host_window_present();
    std::printf(
        "start-up to the first presented frame: %u ms (process start to video %u ms, video %u ms, "
        "window and renderer %u ms)\n",
        g_host.first_present_ms, before_video, video - before_video, window - video);
    using Clock = std::chrono::steady_clock;
    const int32_t rounds = 200;
    auto start = Clock::now();
    for (int32_t i = 0; i < rounds; ++i) host_window_present();
    double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / rounds;
    std::printf("one presentation (%s, %s): %.0f us\n", SDL_GetCurrentVideoDriver(),
                g_host.surface_mode ? "window surface" : "renderer", us);
    host_window_close();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--compare") == 0)
        return compare(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 2 && std::strcmp(argv[1], "--bench") == 0) return bench();
    SdlHostOptions options{CODE_PAGE_437, 700, 550 + MENU_STRIP_HEIGHT};
    return sdl_host_run(probe_game, &options);
}
