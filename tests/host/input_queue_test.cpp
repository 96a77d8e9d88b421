// The window's hold on button changes: what the game reads of a burst of taps, and of changes
// made while it polls flat out on another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/input.h"
#include "host/input_queue.h"
#include "tests/harness/harness.h"

namespace {

MouseChange press_of(uint32_t button) { return button == MOUSE_LEFT ? MOUSE_CHANGE_LEFT_DOWN : MOUSE_CHANGE_RIGHT_DOWN; }
MouseChange release_of(uint32_t button) { return button == MOUSE_LEFT ? MOUSE_CHANGE_LEFT_UP : MOUSE_CHANGE_RIGHT_UP; }

// Taps made while the game reads no buttons (its pause, a long sum), read only afterwards: the
// first taps that fit arrive whole and in order, each where it was made; the rest are dropped
// whole, so no button is left down in the game, and the pointer ends where the last tap was.
// A button held through the burst is released in the end as well.
TEST(MouseBurst, WhatDoesNotFitIsDroppedAsWholeTaps) {
    struct Case {
        const char* name;
        uint32_t tapped;
        uint32_t held;  // down before the burst and up after it, 0 for none
        int32_t taps;
        int32_t kept;
    };
    const Case cases[] = {
        {"left, a burst that fits", MOUSE_LEFT, 0, 16, 16},
        {"left, one tap past the queue", MOUSE_LEFT, 0, 17, 16},
        {"left, far past the queue", MOUSE_LEFT, 0, 100, 16},
        {"right, a burst that fits", MOUSE_RIGHT, 0, 16, 16},
        {"right, one tap past the queue", MOUSE_RIGHT, 0, 17, 16},
        {"right, far past the queue", MOUSE_RIGHT, 0, 100, 16},
        // The held button's press takes a place, and room stays for its release.
        {"left, right held", MOUSE_LEFT, MOUSE_RIGHT, 100, 15},
        {"right, left held", MOUSE_RIGHT, MOUSE_LEFT, 100, 15},
    };
    for (const Case& c : cases) {
        harness_start_engine();
        MouseQueue q{};
        if (c.held != 0) mouse_queue_push(&q, press_of(c.held), 5, 5);
        for (int32_t i = 0; i < c.taps; ++i) {
            auto x = static_cast<uint32_t>(10 + i);
            mouse_queue_push(&q, press_of(c.tapped), x, 50);
            mouse_queue_push(&q, release_of(c.tapped), 0, 0);
        }
        if (c.held != 0) mouse_queue_push(&q, release_of(c.held), 0, 0);

        // The game's reads, each followed by the window's next look.
        std::string seen;
        uint32_t last = 0;
        for (int32_t i = 0; i < 2 * c.taps + 8; ++i) {
            uint32_t x = g_mouse_x.load();
            uint32_t buttons = mouse_get_buttons();
            if (buttons != last) {
                seen += std::to_string(buttons);
                if ((buttons & c.tapped) != 0 && (last & c.tapped) == 0) seen += "@" + std::to_string(x);
                seen += " ";
            }
            last = buttons;
            mouse_queue_feed(&q);
        }
        std::string want;
        if (c.held != 0) want += std::to_string(c.held) + " ";
        for (int32_t i = 0; i < c.kept; ++i)
            want += std::to_string(c.held | c.tapped) + "@" + std::to_string(10 + i) + " " + std::to_string(c.held) + " ";
        if (c.held != 0) want += "0 ";
        EXPECT_EQ(seen, want) << c.name;
        EXPECT_EQ(q.count, 0) << c.name;
        EXPECT_EQ(g_mouse_buttons.load(), 0u) << c.name << ": the buttons the game ends up with are the window's";
        EXPECT_EQ(g_mouse_x.load(), static_cast<uint32_t>(10 + c.taps - 1)) << c.name << ": the last tap's place";
    }
}

// The game thread polls the buttons flat out while the window puts in many random changes of
// both buttons: the game must see every state the window put in place, in order, none skipped.
// (The window hands over its next change once a read has taken the last; were a read counted as
// taken before its load, the window could slip the next change in and a state would be lost.)
TEST(MouseHandshake, AReaderPollingFlatOutSeesEveryStateInPlace) {
    harness_start_engine();
    constexpr int32_t kChanges = 500000;
    constexpr int32_t kWaiting = 8;  // changes the window lets wait at most, so that none is dropped
    MouseQueue q{};
    std::atomic<bool> done{false};
    std::vector<uint32_t> seen;
    std::thread game([&] {
        uint32_t last = 0;
        for (;;) {
            bool finished = done.load(std::memory_order_acquire);
            uint32_t buttons = mouse_get_buttons();
            if (buttons != last) seen.push_back(buttons);
            last = buttons;
            if (finished) return;
        }
    });

    std::mt19937 rng(7);
    std::vector<uint32_t> put;
    uint32_t state = 0;
    for (int32_t i = 0; i < kChanges; ++i) {
        uint32_t button = (rng() & 1) != 0 ? MOUSE_LEFT : MOUSE_RIGHT;
        bool down = (state & button) != 0;
        while (mouse_queue_feed(&q) >= kWaiting) {
        }
        mouse_queue_push(&q, down ? release_of(button) : press_of(button), static_cast<uint32_t>(i % 320), 0);
        state ^= button;
        put.push_back(state);
    }
    while (mouse_queue_feed(&q) > 0 || q.unseen) {
    }
    done.store(true, std::memory_order_release);
    game.join();

    size_t same = 0;
    while (same < put.size() && same < seen.size() && put[same] == seen[same]) ++same;
    EXPECT_EQ(same, put.size()) << "the game's states part from the window's at change " << same << " of "
                                << put.size() << " (the game saw " << seen.size() << " states)";
    EXPECT_EQ(seen.size(), put.size());
}

}  // namespace
