#include "host/view_geometry.h"

ViewRect frame_area(ClientArea client) {
    return ViewRect{0, MENU_STRIP_HEIGHT, client.width, client.height - MENU_STRIP_HEIGHT};
}

int32_t scale_pointer(ClientArea client, int32_t cx, int32_t cy, int32_t* fx, int32_t* fy) {
    ViewRect f = frame_area(client);
    if (f.w <= 0 || f.h <= 0) return 0;
    int32_t x = cx - f.x;
    int32_t y = cy - f.y;
    // While a button is held the window also reports points outside itself; the game never sees
    // them, as it never sees points outside the frame.
    if (x < 0 || y < 0 || x >= f.w || y >= f.h) return 0;
    *fx = static_cast<int32_t>(static_cast<int64_t>(x) * FRAME_WIDTH / f.w);
    *fy = static_cast<int32_t>(static_cast<int64_t>(y) * FRAME_HEIGHT / f.h);
    return 1;
}
