#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "engine/frame.h"
#include "engine/input.h"
#include "host/platform.h"
#include "host/sdl_window.h"
#include "tests/host_sdl/test_frame.h"

namespace {

// Reads back what the window would show, without presenting it.
std::vector<uint32_t> read_back(int32_t* w, int32_t* h) {
    std::vector<uint32_t> pixels;
    host_window_read_back(&pixels, w, h);
    return pixels;
}

TEST(Presentation, EveryPixelCentreAtManyClientSizes) {
    struct Size {
        int32_t w, h;  // of the frame area below the strip
    };
    const Size sizes[] = {{320, 200}, {640, 400}, {700, 550}, {960, 300}, {641, 401}, {333, 777}};
    test_frame_publish(-1, -1);
    for (const Size& s : sizes) {
        SdlHostOptions options{CODE_PAGE_437, s.w, s.h + MENU_STRIP_HEIGHT};
        ASSERT_EQ(host_window_open(&options), 1) << SDL_GetError();
        EXPECT_TRUE(g_host.surface_mode) << "the window's own 32-bit surface";
        int32_t w = 0, h = 0;
        std::vector<uint32_t> pixels = read_back(&w, &h);
        ASSERT_EQ(w, s.w);
        ASSERT_EQ(h, s.h + MENU_STRIP_HEIGHT);
        const uint32_t* frame =
            pixels.data() + static_cast<size_t>(MENU_STRIP_HEIGHT) * static_cast<size_t>(w);
        EXPECT_EQ(test_frame_mismatches(frame, w, s.w, s.h, -1, -1), 0) << s.w << " x " << s.h;
        // The strip is the window's, not the frame's: its right end shows the strip's face colour.
        EXPECT_EQ(pixels[static_cast<size_t>(5 * w + w - 1)], 0xFFD4D0C8u);
        host_window_close();
    }
}

TEST(Presentation, TickPresentsOnlyChangedFramesAndExposeAlways) {
    SdlHostOptions options{CODE_PAGE_437, 640, 419};
    ASSERT_EQ(host_window_open(&options), 1) << SDL_GetError();
    screen_take_changed_flag();
    uint32_t before = g_host.presents;
    host_window_tick();
    EXPECT_EQ(g_host.presents, before);  // nothing drawn: nothing presented
    test_frame_publish(10, 10);
    host_window_tick();
    EXPECT_EQ(g_host.presents, before + 1);
    host_window_tick();
    EXPECT_EQ(g_host.presents, before + 1);
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(g_host.window);
    e.window.event = SDL_WINDOWEVENT_EXPOSED;
    host_window_handle(e);
    EXPECT_EQ(g_host.presents, before + 2);
    int32_t w = 0, h = 0;
    std::vector<uint32_t> pixels = read_back(&w, &h);
    EXPECT_EQ(test_frame_mismatches(pixels.data() + MENU_STRIP_HEIGHT * w, w, 640, 400, 10, 10), 0);

    // The same frame drawn again, or drawing that has not been handed over yet: nothing new.
    test_frame_publish(10, 10);
    host_window_tick();
    g_screen_changed = 1;
    host_window_tick();
    EXPECT_EQ(g_host.presents, before + 2);
    // The marker moved: only its rows are new, and the window shows the whole new frame.
    test_frame_publish(200, 150);
    host_window_tick();
    EXPECT_EQ(g_host.presents, before + 3);
    pixels = read_back(&w, &h);
    EXPECT_EQ(test_frame_mismatches(pixels.data() + MENU_STRIP_HEIGHT * w, w, 640, 400, 200, 150), 0);
    host_window_close();
}

// The game thread starts once and draws while the window presents; when it returns, the window
// ends with the game's status.
std::atomic<int32_t> g_game_runs{0};
std::atomic<bool> g_game_ended{false};

int32_t drawing_game() {
    ++g_game_runs;
    for (int32_t i = 0; i < 40; ++i) {
        test_frame_publish(i * 7, 100);
        SDL_Delay(2);
    }
    test_frame_publish(50, 60);
    g_game_ended = true;
    return 7;
}

TEST(Presentation, GameThreadStartsOnceAndItsEndEndsTheWindow) {
    g_game_runs = 0;
    SdlHostOptions options{CODE_PAGE_437, 640, 419};
    ASSERT_EQ(host_window_open(&options), 1) << SDL_GetError();
    host_window_start_game(drawing_game);
    host_window_start_game(drawing_game);
    uint32_t start = SDL_GetTicks();
    int32_t running = 1;
    while (running != 0 && SDL_GetTicks() - start < 5000) running = host_window_pump(10);
    ASSERT_TRUE(g_game_ended);
    EXPECT_EQ(running, 0) << "the window must end with the game";
    EXPECT_EQ(g_host.exit_status, 7);
    EXPECT_EQ(g_host.dialog.window, nullptr) << "a game that reported nothing ends without a box";
    EXPECT_EQ(g_game_runs, 1);
    host_window_close();
}

// A game that cannot start says why; the window shows it in a box of its own and ends with the
// game's status once the box is closed.
int32_t game_without_a_font() {
    platform_report_start_failure("The font sys13.fnt is missing.");
    return 1;
}

TEST(Presentation, AGameThatCannotStartShowsWhyThenEndsTheWindow) {
    SdlHostOptions options{CODE_PAGE_437, 640, 419};
    ASSERT_EQ(host_window_open(&options), 1) << SDL_GetError();
    host_window_start_game(game_without_a_font);
    uint32_t start = SDL_GetTicks();
    while (g_host.dialog.window == nullptr && SDL_GetTicks() - start < 5000) ASSERT_EQ(host_window_pump(10), 1);
    ASSERT_NE(g_host.dialog.window, nullptr);
    EXPECT_EQ(g_host.dialog.kind, DIALOG_START_FAILURE);
    EXPECT_STREQ(SDL_GetWindowTitle(g_host.dialog.window), "Marivane");
    ASSERT_EQ(g_host.start_failures.size(), 1u);
    EXPECT_EQ(g_host.start_failures[0], "The font sys13.fnt is missing.");
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(host_window_pump(10), 1) << "the box stays until it is closed";
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_RETURN;
    host_window_handle(e);
    EXPECT_EQ(host_window_pump(0), 0);
    EXPECT_EQ(g_host.exit_status, 1);
    host_window_close();
}

}  // namespace
