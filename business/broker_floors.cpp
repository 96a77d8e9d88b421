// The lift panel of the broker's building and its floors: three sales floors, the sellers market
// on the 2nd and the notice of the consulting division on the 1st.
#include "business/broker.h"
#include "business/sellers_market.h"
#include "engine/blit.h"
#include "engine/frame.h"
#include "engine/picture.h"
#include "lang/lang.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/accounts.h"
#include "views/main_screen.h"

namespace {

#define T(id) lang_text(id)

constexpr int32_t LIFT_PANEL_PICTURE = 42;
constexpr int32_t REBUILD_PANEL = 99;

// Lift panel commands; the digit keys '5'..'1' arrive as 104..100.
enum : int32_t { FLOOR_5 = 2, FLOOR_4 = 3, FLOOR_3 = 4, FLOOR_2 = 5, FLOOR_1 = 6 };

void draw_lift_panel_layout() {
    const ScreenButton buttons[] = {
        {50, 40, 12, 13, "5", FLOOR_5},  {50, 65, 12, 13, "4", FLOOR_4},
        {50, 90, 12, 13, "3", FLOOR_3},  {50, 115, 12, 13, "2", FLOOR_2},
        {50, 140, 12, 13, "1", FLOOR_1}, {50, 165, 12, 14, T(TXT_BROKER_EXIT_KEY), 1}};
    ScreenBox boxes[2 + 18];
    int32_t n = 0;
    boxes[n++] = {30, 35, 280, 184, 2};
    for (int16_t k = 0; k < 6; ++k)
        boxes[n++] = {83, static_cast<int16_t>(43 + 25 * k), 278, static_cast<int16_t>(58 + 25 * k), -15};
    for (int16_t k = 0; k < 6; ++k)
        boxes[n++] = {52, static_cast<int16_t>(42 + 25 * k), 64,
                      static_cast<int16_t>(k < 5 ? 55 + 25 * k : 181), -15};
    for (int16_t k = 0; k < 6; ++k)
        boxes[n++] = {80, static_cast<int16_t>(40 + 25 * k), 275, static_cast<int16_t>(55 + 25 * k), 12};
    boxes[n] = {0, 0, 0, 0, 0};
    const ScreenText texts[] = {{84, 41, T(TXT_BROKER_HIGH_TECH)},
                                {84, 66, T(TXT_BROKER_PREOWNED)},
                                {84, 91, T(TXT_BROKER_LOW_COST)},
                                {84, 116, T(TXT_BROKER_SELLERS)},
                                {84, 141, T(TXT_BROKER_CONSULTING)},
                                {84, 166, T(TXT_BROKER_EXIT)},
                                {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
}

void draw_lift_panel(int32_t player) {
    clear_screen_grey();
    picture_load(LIFT_PANEL_PICTURE, g_background_buffer);
    set_backdrop_blue(0, 0);
    restore_screen();
    screen_start_hook();
    draw_shipowner_status_line(player, 6);
    draw_lift_panel_layout();
}

void show_notice(int32_t player) {
    // The panel's buttons are taken away under the notice, so that neither their labels are
    // redrawn over it nor a click beside it closes it; the layout brings them back.
    screen_buttons_clear();
    restore_screen();
    const char* const lines[] = {T(TXT_BROKER_NOTICE_1),
                                 T(TXT_BROKER_NOTICE_2),
                                 T(TXT_BROKER_NOTICE_3),
                                 T(TXT_BROKER_NOTICE_4),
                                 T(TXT_BROKER_NOTICE_5),
                                 T(TXT_BROKER_NOTICE_6),
                                 T(TXT_BROKER_NOTICE_7),
                                 T(TXT_BROKER_NOTICE_8),
                                 T(TXT_BROKER_NOTICE_9),
                                 T(TXT_BROKER_NOTICE_10),
                                 nullptr};
    message_box(lines, 0);
    restore_screen();
    draw_shipowner_status_line(player, 6);
    draw_lift_panel_layout();
}

// One sales floor: where its models stand and where their buttons and prices go.
struct SalesFloor {
    int32_t first_model;
    int32_t models;
    int16_t picture_x[3];
    int16_t picture_y[3];
    int16_t buy_x, info_x, buy_w, info_w;
    int16_t button_y[3][2];  // Buy, Info
    int16_t elevator_x;
    ScreenBox price_boxes[3];
    int16_t price_x, price_y[3];
};

const SalesFloor kHighTech = {1,
                              3,
                              {4, 4, 4},
                              {30, 95, 140},
                              259,
                              259,
                              59,
                              59,
                              {{58, 73}, {119, 134}, {170, 185}},
                              196,
                              {{222, 40, 319, 54, 4}, {222, 103, 319, 115, 4}, {222, 154, 319, 166, 4}},
                              224,
                              {41, 104, 155}};
const SalesFloor kPreowned = {4,
                              2,
                              {60, 75, 0},
                              {35, 110, 0},
                              140,
                              210,
                              60,
                              37,
                              {{75, 75}, {150, 150}, {0, 0}},
                              0,
                              {{30, 74, 129, 86, 4}, {30, 149, 129, 161, 4}, {0, 0, 0, 0, 0}},
                              32,
                              {75, 150, 0}};
const SalesFloor kLowCost = {6,
                             2,
                             {60, 75, 0},
                             {35, 110, 0},
                             140,
                             210,
                             60,
                             37,
                             {{75, 75}, {150, 150}, {0, 0}},
                             0,
                             {{30, 74, 129, 86, 4}, {30, 149, 129, 161, 4}, {0, 0, 0, 0, 0}},
                             32,
                             {75, 150, 0}};

void draw_sales_floor(int32_t player, const SalesFloor& floor) {
    clear_screen_grey();
    screen_start_hook();
    set_backdrop_blue(0, 0);
    for (int32_t i = 0; i < floor.models; ++i) {
        int32_t model = floor.first_model + i;
        const ShipModelCutout& cut = g_ship_model_cutouts[model];
        picture_load(SHIP_MODEL_PICTURE_BASE + model, g_background_buffer);
        blit_copy_to_screen(g_background_buffer, 0, 0, floor.picture_x[i], floor.picture_y[i], cut.w, cut.h);
        draw_sunken_frame(floor.picture_x[i], floor.picture_y[i], cut.w, cut.h);
    }
    draw_shipowner_status_line(player, 6);

    // Buy is 2, 4, 6 and Info 3, 5, 7 from the first model on; the Elevator row ends the table.
    ScreenButton buttons[7];
    ScreenBox boxes[4];
    ScreenText texts[4];
    char prices[3][32];
    int32_t n = 0;
    for (int32_t i = 0; i < floor.models; ++i) {
        auto command = static_cast<uint16_t>(2 + 2 * i);
        buttons[n++] = {floor.buy_x, floor.button_y[i][0], floor.buy_w, 15, T(TXT_BROKER_BUY), command};
        buttons[n++] = {floor.info_x, floor.button_y[i][1], floor.info_w,
                        15,           T(TXT_BROKER_INFO),   static_cast<uint16_t>(command + 1)};
        boxes[i] = floor.price_boxes[i];
        format_broker_price(floor.first_model + i, prices[i], sizeof prices[i]);
        texts[i] = {floor.price_x, floor.price_y[i], prices[i]};
    }
    buttons[n] = {floor.elevator_x, 185, 60, 15, T(TXT_BROKER_ELEVATOR), 1};
    boxes[floor.models] = {0, 0, 0, 0, 0};
    texts[floor.models] = {0, 0, nullptr};
    screen_layout_draw(buttons, boxes, texts);
}

// The floor's own loop: Buy and Info of each model, by button or by the digit keys '1'..'6', until
// the Elevator (or Enter) takes the shipowner back to the lift.
void run_sales_floor(int32_t player, const SalesFloor& floor) {
    screen_buttons_clear();
    draw_sales_floor(player, floor);
    int32_t last = 1 + 2 * floor.models;
    do {
        input_poll();
        int32_t command = g_command;
        if (command >= 100 && command <= 100 + last - 2) command -= 98;
        if (command >= 2 && command <= last) {
            screen_buttons_clear();
            int32_t model = floor.first_model + (command - 2) / 2;
            if (command % 2 == 0) {
                buy_ship_dialog(player, model);
            } else {
                ship_model_data_sheet(player, model);
            }
            draw_sales_floor(player, floor);
            // Whatever closed the dialog's last box, the shipowner stays on this floor.
            g_command = 0;
        }
    } while (g_command != 1 && g_quit == 0);
}

}  // namespace

void show_high_tech_ships_floor(int32_t player) {
    draw_sales_floor(player, kHighTech);
}
void show_preowned_ships_floor(int32_t player) {
    draw_sales_floor(player, kPreowned);
}
void show_low_cost_ships_floor(int32_t player) {
    draw_sales_floor(player, kLowCost);
}

void shipbroker_floor_menu(int32_t player) {
    draw_lift_panel(player);
    do {
        input_poll();
        switch (g_command) {
            case FLOOR_5:
            case 104:
                run_sales_floor(player, kHighTech);
                g_command = REBUILD_PANEL;
                break;
            case FLOOR_4:
            case 103:
                run_sales_floor(player, kPreowned);
                g_command = REBUILD_PANEL;
                break;
            case FLOOR_3:
            case 102:
                run_sales_floor(player, kLowCost);
                g_command = REBUILD_PANEL;
                break;
            case FLOOR_2:
            case 101:
                sellers_market_dialog(player);
                g_command = REBUILD_PANEL;
                break;
            case FLOOR_1:
            case 100:
                show_notice(player);
                // Closing the notice with Enter must not also take the shipowner out of the building.
                g_command = 0;
                break;
            default:
                break;
        }
        if (g_command == REBUILD_PANEL) draw_lift_panel(player);
    } while (g_command != 1 && g_quit == 0);
    screen_buttons_clear();
}
