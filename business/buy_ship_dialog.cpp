// The purchase of a ship at the broker: the shipowner christens it, may put down more than the
// deposit, and signs; the refusals, the fee of an unpaid contract and the congratulations.
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "business/broker.h"
#include "business/ship_purchase.h"
#include "engine/font.h"
#include "lang/lang.h"
#include "ui/entry_field.h"
#include "ui/fonts.h"
#include "ui/gadget.h"
#include "ui/input_poll.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"
#include "views/main_screen.h"
#include "world/records.h"
#include "world/ship_types.h"

namespace {

#define T(id) lang_text(id)

constexpr uint16_t NAME_FIELD_ID = 2;
constexpr uint16_t EXTRA_FIELD_ID = 3;
constexpr int32_t NAME_SIZE = 11;  // ten characters and the NUL
constexpr int32_t EXTRA_SIZE = 4;  // three characters and the NUL
constexpr int32_t HOW_MUCH_PAD = 20;
constexpr int32_t TEXT_X = 30;
constexpr int32_t PERCENT_SIGN_X = 232;  // right of the percentage field (170..229)

void show_box(std::initializer_list<const char*> texts) {
    const char* lines[12] = {};
    int32_t n = 0;
    for (const char* t : texts) lines[n++] = t;
    lines[n] = nullptr;
    message_box(lines, 0);
}

void congratulate(int32_t model) {
    switch (model) {
        case 1:
            show_box({T(TXT_BROKER_BOUGHT_1_1), T(TXT_BROKER_BOUGHT_1_2), T(TXT_BROKER_BOUGHT_1_3)});
            break;
        case 2:
        case 3:
            show_box({T(TXT_BROKER_BOUGHT_2_1), T(TXT_BROKER_BOUGHT_2_2), T(TXT_BROKER_BOUGHT_2_3)});
            break;
        case 4:
        case 5:
            show_box({T(TXT_BROKER_BOUGHT_2_1), T(TXT_BROKER_BOUGHT_4_2)});
            break;
        case 6:
            show_box({T(TXT_BROKER_BOUGHT_6_1), T(TXT_BROKER_BOUGHT_6_2), T(TXT_BROKER_BOUGHT_6_3)});
            break;
        default:
            show_box({T(TXT_BROKER_BOUGHT_7_1), T(TXT_BROKER_BOUGHT_7_2), T(TXT_BROKER_BOUGHT_7_3),
                      T(TXT_BROKER_BOUGHT_7_4)});
            break;
    }
}

void refuse_for_want_of_cash(int32_t player) {
    char dear[48];
    std::snprintf(dear, sizeof dear, T(TXT_DUE_DEAR), g_shipowners[player].name);
    show_box({dear, T(TXT_BROKER_POOR_2), T(TXT_BROKER_POOR_3), T(TXT_BROKER_POOR_4), T(TXT_BROKER_POOR_5),
              T(TXT_BROKER_POOR_6), T(TXT_BROKER_POOR_7), " ", T(TXT_BROKER_POOR_9), T(TXT_BROKER_POOR_10)});
}

// The two entry fields of the contract, built for one purchase.
struct ContractFields {
    char name[NAME_SIZE];
    char extra[EXTRA_SIZE];
    EntryFieldInfo name_info;
    EntryFieldInfo extra_info;
    Gadget name_field;
    Gadget extra_field;
};

void build_fields(ContractFields* f) {
    f->name[0] = '\0';
    std::snprintf(f->extra, sizeof f->extra, "0");
    f->name_info = EntryFieldInfo{f->name, 0, NAME_SIZE, 0, 0, 0, 0};
    f->extra_info = EntryFieldInfo{f->extra, 0, EXTRA_SIZE, 0, 1, 0, 0};
    f->name_field = Gadget{nullptr,
                           222,
                           102,
                           96,
                           13,
                           GADGET_HIGHLIGHT_BOX,
                           0,
                           GADGET_ENTRY_FIELD,
                           nullptr,
                           nullptr,
                           nullptr,
                           &f->name_info,
                           NAME_FIELD_ID};
    f->extra_field = Gadget{nullptr,
                            170,
                            162,
                            60,
                            13,
                            GADGET_HIGHLIGHT_BOX,
                            GADGET_INTEGER,
                            GADGET_ENTRY_FIELD,
                            nullptr,
                            nullptr,
                            nullptr,
                            &f->extra_info,
                            EXTRA_FIELD_ID};
}

void add_fields(ContractFields* f) {
    gadget_add(&f->name_field);
    gadget_add(&f->extra_field);
    gadgets_refresh();
}

void remove_fields(ContractFields* f) {
    gadget_remove(&f->name_field);
    gadget_remove(&f->extra_field);
}

// A refused entry: the box over the dialog, then both fields back with the cursor in one of them.
void refuse_entry(ContractFields* f, std::initializer_list<const char*> texts, Gadget* again) {
    remove_fields(f);
    show_box(texts);
    add_fields(f);
    string_gadget_activate(again);
    g_command = 0;
}

// "How much:", twenty blanks and the percent sign, which is a label right of the field and never a
// format. Where twenty blanks of the font do not reach past the field, more are added.
void how_much_line(char* out, int32_t size) {
    std::snprintf(out, static_cast<size_t>(size), "%s%*s", T(TXT_BROKER_BUY_HOW_MUCH), HOW_MUCH_PAD, "");
    auto length = static_cast<int32_t>(std::strlen(out));
    while (length < size - 2 && TEXT_X + font_text_width(&g_font_sys13, out) < PERCENT_SIGN_X) {
        out[length++] = ' ';
        out[length] = '\0';
    }
    out[length++] = '%';
    out[length] = '\0';
}

void draw_contract(int32_t player, int32_t model, int32_t deposit, char lines[6][64]) {
    clear_screen_grey();
    screen_start_hook();
    draw_ship_model_picture(player, model);
    std::snprintf(lines[0], 64, "%s", T(TXT_BROKER_BUY_WELCOME));
    std::snprintf(lines[1], 64, "%s", T(TXT_BROKER_BUY_CHRISTEN));
    std::snprintf(lines[2], 64, T(TXT_BROKER_BUY_DEPOSIT), static_cast<long>(deposit));
    std::snprintf(lines[3], 64, T(TXT_BROKER_BUY_MORTGAGE), static_cast<long>(100 - deposit));
    std::snprintf(lines[4], 64, "%s", T(TXT_BROKER_BUY_MORE));
    how_much_line(lines[5], 64);
    const ScreenButton buttons[] = {{0, 185, 58, 15, T(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{10, 83, 315, 177, 14}, {0, 0, 0, 0, 0}};
    ScreenText texts[7];
    for (int32_t k = 0; k < 6; ++k) texts[k] = {30, static_cast<int16_t>(85 + 15 * k), lines[k]};
    texts[6] = {0, 0, nullptr};
    screen_layout_draw(buttons, boxes, texts);
}

}  // namespace

void buy_ship_dialog(int32_t player, int32_t model) {
    if (model < 1 || model > SHIP_TYPE_COUNT) return;
    int32_t deposit = model_deposit_percent(model);
    char lines[6][64];
    draw_contract(player, model, deposit, lines);

    ContractFields f;
    build_fields(&f);
    add_fields(&f);
    string_gadget_activate(&f.name_field);

    do {
        input_poll();
        if (g_command == NAME_FIELD_ID) {
            string_gadget_activate(&f.extra_field);
        } else if (g_command == 1) {
            int32_t extra = f.extra_info.value;
            if (f.name[0] == '\0') {
                refuse_entry(&f, {T(TXT_BROKER_NO_NAME_1), T(TXT_BROKER_NO_NAME_2)}, &f.name_field);
            } else if (extra < 0) {
                refuse_entry(&f, {T(TXT_BROKER_NEGATIVE_1), T(TXT_BROKER_NEGATIVE_2)}, &f.extra_field);
            } else if (extra + deposit > 100) {
                refuse_entry(&f,
                             {T(TXT_BROKER_TOO_MUCH_1), T(TXT_BROKER_TOO_MUCH_2), T(TXT_BROKER_TOO_MUCH_3),
                              T(TXT_BROKER_TOO_MUCH_4), T(TXT_BROKER_TOO_MUCH_5)},
                             &f.extra_field);
            }
        }
    } while (g_command != 1 && g_quit == 0);
    remove_fields(&f);
    screen_buttons_clear();
    // Leaving by a quit request signs nothing: only a checked entry makes a contract.
    if (g_quit != 0 || g_command != 1) return;

    Ship* ship = nullptr;
    switch (purchase_ship(player, model, f.name, f.extra_info.value, &ship)) {
        case PURCHASE_TOO_POOR:
            refuse_for_want_of_cash(player);
            break;
        case PURCHASE_NO_ROOM:
            show_box({T(TXT_BROKER_NO_ROOM_1), T(TXT_BROKER_NO_ROOM_2), T(TXT_BROKER_NO_ROOM_3),
                      T(TXT_BROKER_NO_ROOM_4)});
            break;
        case PURCHASE_BOUGHT:
            congratulate(model);
            break;
        default:
            break;
    }
}
