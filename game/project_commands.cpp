#include "game/project_commands.h"

#include "world/game_file.h"

#include <cstdio>
#include <cstring>

#include "game/game_file_dialog.h"
#include "game/main_procedure.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"

namespace {

// The About box reports a fixed amount of free memory.
constexpr long ABOUT_FREE_MEMORY = 999999;

void show_about() {
    char product[64];
    std::snprintf(product, sizeof product, lang_text(TXT_ABOUT_PRODUCT), MARIVANE_VERSION);
    char memory[64];
    std::snprintf(memory, sizeof memory, lang_text(TXT_ABOUT_FREE_MEMORY), ABOUT_FREE_MEMORY);
    const char* lines[] = {product,
                           lang_text(TXT_ABOUT_CREDITS_1),
                           lang_text(TXT_ABOUT_CREDITS_2),
                           lang_text(TXT_ABOUT_BLANK),
                           memory,
                           nullptr};
    message_box(lines, 0);
}

void show_help() {
    const char* lines[] = {lang_text(TXT_HELP_MANUAL_1), lang_text(TXT_HELP_MANUAL_2), nullptr};
    message_box(lines, 0);
}

void ask_quit() {
    const char* lines[] = {lang_text(TXT_QUIT_QUESTION), nullptr};
    if (ask_yes_no(lines, lang_text(TXT_QUIT_YES), lang_text(TXT_QUIT_NO), 0) == 1) g_quit = 1;
}

}  // namespace

int32_t serve_project_command() {
    int32_t command = g_project_command;
    if (command == PROJECT_NONE) return 0;
    int32_t loaded = 0;
    switch (command) {
        case PROJECT_ABOUT:
            show_about();
            break;
        case PROJECT_LOAD:
            // A failed load leaves the game in progress as it was.
            loaded = load_game_dialog() == GAME_LOAD_OK ? 1 : 0;
            break;
        case PROJECT_SAVE:
            save_game_dialog();
            break;
        case PROJECT_SAVE_AS: {
            // The name is emptied so that the requester always asks for one; when the player
            // gives the requester up, the game keeps the name it had.
            char kept[sizeof g_game_file_name];
            std::memcpy(kept, g_game_file_name, sizeof kept);
            g_game_file_name[0] = '\0';
            save_game_dialog();
            if (g_game_file_name[0] == '\0') std::memcpy(g_game_file_name, kept, sizeof kept);
            break;
        }
        case PROJECT_QUIT:
            ask_quit();
            break;
        case PROJECT_HELP:
            show_help();
            break;
        default:
            break;
    }
    g_project_command = PROJECT_NONE;
    return loaded;
}
