// The letters and boxes of the voyages' events not shown elsewhere: the iceberg, reef and shoals
// warnings over the map, the box after the icebergs were mastered, the distress call over the view
// from the deck and the rescue's failures.
#include <cstdio>

#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "host/headless_host.h"
#include "lang/lang.h"
#include "tests/screens/screens.h"
#include "tests/screens/voyage_scene.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "views/world_map.h"
#include "voyage/incidents.h"
#include "voyage/manoeuvre.h"
#include "voyage/rescue.h"
#include "voyage/route_events.h"
#include "voyage/sea_manoeuvre_outcome.h"
#include "world/records.h"
#include "world/weather.h"

namespace {

// The shipowner and his laden model 3 at sea at (lon, lat), no wind.
Ship* set_up_owner(int32_t lon, int32_t lat) { return voyage_scene_owner(lon, lat, 0); }

// The warning letter of first .. first + count - 1 (and a blank line when blank is set).
void warning_letter(ScreenShot* shot, int32_t lon, int32_t lat, TextId first, int32_t count, bool blank) {
    Ship* ship = set_up_owner(lon, lat);
    if (ship == nullptr) return;
    const char* lines[8];
    int32_t k = 0;
    for (; k < count; ++k) lines[k] = lang_text(static_cast<TextId>(first + k));
    if (blank) lines[k++] = lang_text(TXT_RE_BLANK);
    lines[k] = nullptr;
    voyage_scene_answer_later(8000);
    letter_show(0, &g_shipowners[0], ship, lines, 0);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

void rescue_failed(ScreenShot* shot, int32_t r) {
    Ship* ship = set_up_owner(35, 65);
    if (ship == nullptr) return;
    voyage_scene_answer_later(1000);
    rescue_outcome(0, &g_shipowners[0], ship, r);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

}  // namespace

void screen_iceberg_letter(ScreenShot* shot) { warning_letter(shot, -500, 560, TXT_RE_ICE_1, 4, false); }
void screen_reef_letter(ScreenShot* shot) { warning_letter(shot, -560, -300, TXT_RE_REEF_1, 3, true); }
void screen_shoals_letter(ScreenShot* shot) { warning_letter(shot, 520, 260, TXT_RE_SHOALS_1, 3, false); }

void screen_icebergs_mastered(ScreenShot* shot) {
    Ship* ship = set_up_owner(-500, 560);
    if (ship == nullptr) return;
    voyage_scene_answer_later(1000);
    const char* lines[] = {lang_text(TXT_RE_ICE_DONE_1), lang_text(TXT_RE_ICE_DONE_2),
                           lang_text(TXT_RE_ICE_DONE_3), nullptr};
    sea_manoeuvre_outcome(0, &g_shipowners[0], ship, MANOEUVRE_SUCCESS, lines, ACHIEVEMENT_ICEBERGS);
    screens_shot_presented(shot);
    voyage_scene_clear();
}

// The distress call's box as it stands over the raft's signals.
void screen_emergency_call(ScreenShot* shot) {
    Ship* ship = set_up_owner(35, 65);
    if (ship == nullptr) return;
    picture_load(RESCUE_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    picture_load(RESCUE_FRAMES_PICTURE, g_sheet_buffer);
    screen_show_buffer(g_background_buffer);
    draw_ship_caption(0, ship);
    const RescueFrame& f = g_rescue_frames[3];
    blit_to_screen(g_sheet_buffer, f.x, f.y, RESCUE_SPOT_X, RESCUE_SPOT_Y, RESCUE_FRAME_W, RESCUE_FRAME_H, BLIT_COPY);
    const char* lines[] = {lang_text(TXT_INC_EMERGENCY_1), lang_text(TXT_INC_EMERGENCY_2), nullptr};
    message_box_open(lines, 0);
    screens_shot_frame(shot);
    message_box_close();
    voyage_scene_clear();
}

void screen_rescue_off_chart(ScreenShot* shot) { rescue_failed(shot, MANOEUVRE_OFF_CHART); }
void screen_rescue_too_late(ScreenShot* shot) { rescue_failed(shot, MANOEUVRE_OUT_OF_TIME); }
void screen_rescue_rammed(ScreenShot* shot) { rescue_failed(shot, 1); }
