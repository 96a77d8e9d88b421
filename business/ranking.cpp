#include "business/ranking.h"

#include <cstdio>

#include "engine/blit.h"
#include "engine/draw.h"
#include "engine/frame.h"
#include "engine/intmath.h"
#include "engine/picture.h"
#include "engine/random.h"
#include "engine/timing.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

constexpr int32_t NAME_TEXT = 8;

void copy_piece(int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w, int32_t h) {
    blit_to_screen(g_background_buffer, sx, sy, dx, dy, w, h, BLIT_COPY);
}

// One column of status bricks, stacked from the base line at y 136.
void draw_status_bricks(int32_t x0, int32_t status, int32_t lowest, int32_t range) {
    const int32_t h = 80 / range;
    if (status <= 0) {
        set_draw_color(0);
        draw_move_to(x0, 136);
        draw_line_to(x0 + 32, 136);
        return;
    }
    const RankingSprite& brick = RANKING_BRICK;
    for (int32_t i = 1; i <= status; ++i) {
        const int32_t y = 136 - (i - lowest) * 80 / range;
        const int32_t j = random_range(0, 1);
        if (h >= 8) {
            copy_piece(brick.x, brick.y, x0 + j, y, brick.w, brick.h);
            continue;
        }
        // Thin bricks: the first shows the brick's bottom rows, the last its top rows.
        if (i == 1) copy_piece(brick.x, brick.y + brick.h - 1 - h, x0, y, brick.w, h + 1);
        if (i == status) copy_piece(brick.x, brick.y, x0, y, brick.w, h + 1);
        if (i != 1 && i != status) copy_piece(brick.x, brick.y + j, x0, y, brick.w, h + 1);
    }
}

// The net-worth bar of column k, growing a row a tick from y 134 up to its top.
void draw_worth_bar(int32_t k, int32_t worth, int32_t lowest, int32_t range) {
    const auto rise = static_cast<int32_t>(static_cast<int64_t>(worth - lowest) * 80 / range);
    const int32_t top = 134 - rise;
    const RankingSprite& piece = RANKING_WORTH_PIECE;
    for (int32_t y = 134; y >= top; --y) {
        const int32_t j = random_range(0, 1);
        copy_piece(piece.x, piece.y, 80 * k + 60 + j, y, piece.w, piece.h);
        wait_tick();
    }
}

}  // namespace

int32_t ranking_leader(const int32_t* status, const int32_t* worth, int32_t count) {
    if (count <= 0) return -1;
    int32_t leader = 0;
    for (int32_t k = 1; k < count; ++k)
        if (status[k] > status[leader]) leader = k;
    for (int32_t l = 0; l < count; ++l)
        if (status[l] == status[leader] && l != leader && worth[l] > worth[leader]) leader = l;
    for (int32_t l = 0; l < count; ++l)
        if (l != leader && status[l] == status[leader] && worth[l] == worth[leader]) return -1;
    return leader;
}

void ranking_list_screen() {
    clear_screen();
    set_backdrop_blue(0, 0);
    picture_load(RANKING_PICTURE, g_background_buffer);
    restore_screen();
    screen_start_hook();

    int32_t status[SHIPOWNER_MAX] = {}, worth[SHIPOWNER_MAX] = {};
    char names[SHIPOWNER_MAX][NAME_TEXT];
    int32_t shown = 0;
    int32_t low_status = 0, high_status = 0, low_worth = 0, high_worth = 0;
    for (int32_t p = 0; p < SHIPOWNER_MAX && shown < SHIPOWNER_MAX; ++p) {
        const Shipowner& owner = g_shipowners[p];
        if (p >= g_shipowner_count || owner.out_of_game != 0) continue;
        int32_t values = 0, mortgages = 0, credit = 0;
        compute_shipowner_assets(p, &values, &mortgages, &credit, &worth[shown]);
        status[shown] = owner.status;
        if (owner.status < low_status) low_status = owner.status;
        if (owner.status > high_status) high_status = owner.status;
        if (shown == 0 || worth[shown] < low_worth) low_worth = worth[shown];
        if (shown == 0 || worth[shown] > high_worth) high_worth = worth[shown];
        std::snprintf(names[shown], NAME_TEXT, lang_text(TXT_RANKING_NAME), owner.company);
        ++shown;
    }
    for (int32_t k = shown; k < SHIPOWNER_MAX; ++k)
        std::snprintf(names[k], NAME_TEXT, "%s", lang_text(TXT_OFFICE_BLANK));
    if (shown == 0) return;

    if (low_status < 0) low_status = 0;
    // Net worths and statuses come from the game file: their sums and ranges wrap in 32 bits.
    if (high_status < wrap_add(low_status, 10)) high_status = wrap_add(low_status, 10);
    if (high_worth < wrap_add(low_worth, 1000)) high_worth = wrap_add(low_worth, 1000);
    const int32_t status_range = wrap_sub(high_status, low_status);
    const int32_t worth_range = wrap_sub(high_worth, low_worth);

    for (int32_t k = 0; k < shown; ++k) {
        delay_ticks(2);
        draw_status_bricks(80 * k + 20, status[k], low_status, status_range);
        draw_worth_bar(k, worth[k], low_worth, worth_range);
        set_fill_stipple(0);
    }

    const int32_t leader = ranking_leader(status, worth, shown);
    if (leader >= 0) {
        picture_load(RANKING_CROWN_PICTURE, g_background_buffer);
        const RankingSprite& crown = RANKING_CROWN;
        blit_to_screen(g_background_buffer, crown.x, crown.y, 80 * leader + 21, 22, crown.w, crown.h,
                       BLIT_KEY_32);
    }

    const ScreenButton buttons[] = {{0, 185, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    const ScreenText texts[] = {{20, 140, names[0]},
                                {100, 140, names[1]},
                                {180, 140, names[2]},
                                {260, 140, names[3]},
                                {0, 0, nullptr}};
    screen_layout_draw(buttons, nullptr, texts);
    // Only OK ends it: at the end of the game the list is shown after the quit request.
    do {
        input_poll();
    } while (g_command != 1);
    screen_buttons_clear();
}
