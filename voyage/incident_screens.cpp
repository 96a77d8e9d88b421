#include "voyage/incident_screens.h"

#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "ui/input_poll.h"
#include "views/world_map.h"
#include "voyage/route_events.h"

void incident_lines_fill(IncidentLines* lines, const TextId* ids, int32_t count) {
    int32_t n = count < INCIDENT_LINES_MAX - 1 ? count : INCIDENT_LINES_MAX - 1;
    for (int32_t k = 0; k < n; ++k) lines->line[k] = lang_text(ids[k]);
    for (int32_t k = n; k < INCIDENT_LINES_MAX; ++k) lines->line[k] = nullptr;
}

void incident_picture_show(int32_t player, Shipowner* shipowner, Ship* ship, int32_t picture) {
    show_map_with_ship_and_leave(player, shipowner, ship);
    picture_load(picture, g_background_buffer);
    set_backdrop_blue(0, 0);
    screen_show_buffer(g_background_buffer);
    draw_ship_caption(player, ship);
}

void incident_ok_box(const ScreenButton* ok, const ScreenBox* box, const ScreenText* texts) {
    screen_layout_draw(ok, box, texts);
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
