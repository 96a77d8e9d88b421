#include "game/main_procedure.h"

#include <cstdio>

#include "engine/input.h"
#include "game/end_of_game.h"
#include "game/game_choice.h"
#include "game/intro.h"
#include "game/main_loop.h"
#include "world/records.h"
#include "ui/game_file_name.h"

void run_game() {
    g_shipowner_count = 0;
    g_file_name_field[0] = '\0';
    g_game_file_name[0] = '\0';
    snprintf(g_game_file_pattern, sizeof g_game_file_pattern, "%s", "games\\*.trp");
    g_quit = 0;

    play_title_and_intro();
    reset_world();
    shuffle_office_styles();
    choose_game();
    if (g_quit == 1) return;

    MainLoop loop = {};
    main_screen_enter(&loop);
    do main_loop_pass(&loop);
    while (g_quit == 0);
    end_of_game();
}
