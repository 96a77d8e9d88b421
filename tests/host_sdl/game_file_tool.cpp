// Game files for the end-to-end test of the game program (game_e2e.sh):
//   game_file_tool --write games/name.trp   writes a one-shipowner game at day 10, clock stopped
//   game_file_tool --day games/name.trp     prints the day a saved game stands at
#include <cstdio>
#include <cstring>

#include "world/game_file.h"
#include "world/records.h"

namespace {

int write_game(const char* path) {
    g_difficulty = 1;
    g_difficulty_allowance = 6000;
    g_shipowner_count = 1;
    g_playing_duration = -1;
    g_day = 10;
    g_freight_index = 1000;
    g_ship_price_index = 1000;
    g_daily_phase = 0;
    const uint8_t styles[SHIPOWNER_MAX] = {0, 1, 2, 3};
    std::memcpy(g_office_style, styles, sizeof styles);
    g_sim_mode = 1;
    Shipowner& a = g_shipowners[0];
    a.status = -1;
    std::strcpy(a.name, "Ahab");
    std::strcpy(a.captain_name, "Ahab");
    std::strcpy(a.company, "Pequod");
    a.home_port = 11;
    a.cash = 4100;
    for (int32_t& h : a.net_worth_history) h = 4100;
    return save_game_file(path) == GAME_SAVE_OK ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) return write_game(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--day") == 0) {
        if (load_game_file(argv[2]) != GAME_LOAD_OK) return 1;
        std::printf("%d\n", static_cast<int>(g_day));
        return 0;
    }
    std::fprintf(stderr, "usage: game_file_tool --write|--day games/name.trp\n");
    return 2;
}
