// The daily step's screens: the elimination of a bankrupt shipowner while another is still in the game.
#include <cstdio>

#include "game/elimination.h"
#include "world/records.h"
#include "host/headless_host.h"
#include "tests/screens/screens.h"

void screen_elimination(ScreenShot* shot) {
    Shipowner saved[SHIPOWNER_MAX];
    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) saved[i] = g_shipowners[i];
    int8_t saved_count = g_shipowner_count;

    g_shipowner_count = 2;
    const char* names[2][2] = {{"Hendrik", "Nordsee"}, {"Amelia", "Pacifica"}};
    for (int32_t i = 0; i < 2; ++i) {
        g_shipowners[i] = Shipowner{};
        std::snprintf(g_shipowners[i].name, RECORD_NAME_SIZE, "%s", names[i][0]);
        std::snprintf(g_shipowners[i].company, RECORD_NAME_SIZE, "%s", names[i][1]);
        g_shipowners[i].home_port = 7;
    }
    g_shipowners[0].cash = -1250;
    headless_script(headless_now() + 500, HEADLESS_KEY, 13);
    shipowner_eliminated(0, &g_shipowners[0]);
    screens_shot_presented(shot);

    for (int32_t i = 0; i < SHIPOWNER_MAX; ++i) g_shipowners[i] = saved[i];
    g_shipowner_count = saved_count;
}
