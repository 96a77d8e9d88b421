// Where the host's menu strip and the game frame lie in the window's client area, and how a
// pointer position in the client area becomes a position in the 320 x 200 frame.
#pragma once

#include <cstdint>

constexpr int32_t MENU_STRIP_HEIGHT = 19;
constexpr int32_t FRAME_WIDTH = 320;
constexpr int32_t FRAME_HEIGHT = 200;

// The client area in pixels; 0 x 0 while it is not known yet (before the first tick or expose)
// and while the window is minimised.
struct ClientArea {
    int32_t width;
    int32_t height;
};

struct ViewRect {
    int32_t x, y, w, h;
};

// The frame fills everything below the strip, stretched, aspect not kept (h may be 0 or less when
// the window is shorter than the strip).
ViewRect frame_area(ClientArea client);

// Scales a client-area point into frame coordinates: x * 320 / width and y * 200 / height of the
// frame area, truncating. Returns 1 and fills fx, fy when the point lies in the frame area; 0
// when it must be dropped (size unknown or zero, in the strip, or outside the window).
int32_t scale_pointer(ClientArea client, int32_t cx, int32_t cy, int32_t* fx, int32_t* fy);
