// Laying a ship up for 1 to 99 days: it keeps no charter and its fixed costs keep running.
#include "business/broker.h"
#include "business/harbour_services.h"
#include "lang/lang.h"
#include "ui/entry_field.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/main_screen.h"
#include "world/records.h"

namespace {

constexpr uint16_t DAYS_FIELD_ID = 3;
constexpr int32_t LAY_UP_CANCEL = 2;

void restricted_message(Gadget* field) {
    gadget_remove(field);
    const char* lines[] = {lang_text(TXT_HS_LAYUP_RESTRICTED), lang_text(TXT_HV_BLANK), nullptr};
    message_box(lines, 0);
    gadget_add(field);
    gadgets_refresh();
    string_gadget_activate(field);
}

}  // namespace

void lay_up_dialog(int32_t player, Shipowner* /*shipowner*/, Ship* ship) {
    clear_screen_grey();
    draw_ship_model_picture(player, ship->ship_type);

    char buffer[4] = "1";
    EntryFieldInfo info{buffer, 0, 4, 0, 0, 0, 1};
    Gadget field{nullptr, 140, 110, 40, 13, GADGET_HIGHLIGHT_BOX, 38, GADGET_ENTRY_FIELD,
                 nullptr, nullptr, nullptr, &info, DAYS_FIELD_ID};

    const ScreenButton buttons[] = {{230, 185, 60, 15, lang_text(TXT_HS_CANCEL), LAY_UP_CANCEL},
                                    {0, 185, 58, 15, lang_text(TXT_HS_OK), 1}};
    static const ScreenBox boxes[] = {{10, 90, 308, 140, 13}, {0, 0, 0, 0, 0}};
    const ScreenText texts[] = {{30, 100, lang_text(TXT_HS_LAYUP_TITLE)},  {30, 115, lang_text(TXT_HS_LAYUP_HOW_LONG)},
                                {60, 170, lang_text(TXT_HS_LAYUP_COSTS_1)}, {60, 185, lang_text(TXT_HS_LAYUP_COSTS_2)},
                                {170, 108, lang_text(TXT_HS_LAYUP_DAYS)},  {0, 0, nullptr}};
    screen_layout_draw(buttons, boxes, texts);
    gadget_add(&field);
    gadgets_refresh();
    string_gadget_activate(&field);

    int32_t days = 0;
    do {
        input_poll();
        if (g_command == LAY_UP_CANCEL || g_command == 300) {
            days = 0;
            g_command = 1;
        } else if (g_command == 1) {
            days = info.value;
            if (days < 0 || days > 99) {
                restricted_message(&field);
                g_command = 999;
            }
        }
    } while (g_command != 1 && g_quit == 0);
    gadget_remove(&field);
    screen_buttons_clear();

    if (days >= 1 && days <= 99) {
        ship->layup_days = days;
        ship->route = 0;
        g_command = 1;
    } else {
        g_command = 999;
    }
}
