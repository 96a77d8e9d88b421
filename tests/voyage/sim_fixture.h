// Fixture of the manoeuvring tests: the engine on the headless host with the picture files open,
// the voyages' state as at program start, and a small chart to draw and collide with.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

class SimTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // The frame's pixel.
    static int32_t pixel(int32_t x, int32_t y);
};
