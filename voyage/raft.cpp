#include "voyage/raft.h"

#include <cstddef>

#include "engine/draw.h"
#include "voyage/sim_state.h"

void raft_marker_draw(int32_t x, int32_t y) {
    int32_t x0 = x - 5, y0 = y - 5, x1 = x + 5, y1 = y + 5;
    set_draw_color(23);
    fill_rect(x0, y0, x1, y1);
    set_draw_color(22);
    draw_rect_outline(x0, y0, x1, y1);
    draw_move_to(x0, y0);
    draw_line_to(x1, y1);
    draw_move_to(x1, y0);
    draw_line_to(x0, y1);
    g_sim_raft_box[0] = x0;
    g_sim_raft_box[1] = y0;
    g_sim_raft_box[2] = x1;
    g_sim_raft_box[3] = y1;
    const int32_t square[10] = {x0, y0, x0, y1, x1, y1, x1, y0, x0, y0};
    for (int32_t k = 0; k < 10; ++k) g_sim_raft_obstacle.at(static_cast<std::size_t>(k)) = square[k];
}

int32_t raft_off_screen() {
    bool inside = g_sim_raft_box[1] >= 0 && g_sim_raft_box[3] < 200 && g_sim_raft_box[2] <= 319 && g_sim_raft_box[0] >= 0;
    return inside ? 0 : 1;
}
