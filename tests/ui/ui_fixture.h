// Shared set-up of the toolkit tests: the engine on the headless host with the game's fonts and
// pictures loaded, every toolkit global back at rest, and small helpers for pointer, keys and pixels.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

class UiTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Pointer and buttons as the window thread sets them (no virtual time passes).
    static void left_down(int32_t x, int32_t y);
    static void left_up();
    static void move(int32_t x, int32_t y);
    static void key(uint32_t code);
    // The frame pixel at (x, y).
    static int32_t pixel(int32_t x, int32_t y);
    // Paints the whole frame in one colour.
    static void fill_frame(uint8_t colour);
    // The number of pixels of the rectangle (inclusive corners) that have the colour.
    static int32_t count_colour(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t colour);
};
