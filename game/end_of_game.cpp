#include "game/end_of_game.h"

#include "business/office.h"
#include "business/ranking.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "game/game_file_dialog.h"
#include "game/main_procedure.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "host/sound_library.h"
#include "lang/lang.h"
#include "ui/requester.h"

namespace {

constexpr int32_t FAREWELL_PICTURE = 39;
constexpr int32_t END_MUSIC = 1;

int32_t anyone_still_in() {
    for (int32_t i = 0; i < g_shipowner_count; ++i)
        if (g_shipowners[i].out_of_game == 0) return 1;
    return 0;
}

void offer_statistics() {
    const char* lines[] = {lang_text(TXT_END_QUESTION_1), lang_text(TXT_END_QUESTION_2), nullptr};
    // Anything but a no counts as yes.
    if (ask_yes_no(lines, lang_text(TXT_END_YES), lang_text(TXT_END_NO), 0) == 0) return;
    g_quit = 0;
    for (int32_t i = 0; i < g_shipowner_count; ++i) {
        if (g_shipowners[i].out_of_game != 0) continue;
        property_statistics_screen(i);
        possessions_screen(i, 0);
    }
}

void say_farewell() {
    picture_load(FAREWELL_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    clear_screen();
    restore_screen_from_background(0);
    const char* lines[] = {lang_text(TXT_FAREWELL_1), lang_text(TXT_FAREWELL_2), lang_text(TXT_FAREWELL_3),
                           nullptr};
    message_box(lines, 0);
}

}  // namespace

void end_of_game() {
    call_stub_noop_d();
    if (g_game_file_name[0] == '\0') save_game_dialog();
    int32_t music = sound_load(END_MUSIC);
    sound_play(999, music);
    ranking_list_screen();
    if (anyone_still_in() != 0) offer_statistics();
    say_farewell();
    sound_stop(music);
    sound_free(music);
    free_all_ships(g_shipowner_count);
}
