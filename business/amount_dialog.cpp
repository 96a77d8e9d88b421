#include "business/amount_dialog.h"

#include <cstdio>

#include "lang/lang.h"
#include "ui/entry_field.h"
#include "ui/input_poll.h"
#include "views/accounts.h"
#include "views/main_screen.h"

const char* g_bank_last_box = nullptr;

void bank_message_box(TextLines lines) {
    g_bank_last_box = lines[0];
    message_box(lines, 0);
}

void amount_dialog_backdrop(int32_t player) {
    clear_screen_grey();
    restore_screen();
    draw_shipowner_status_line(player, 6);
}

void amount_dialog_open(AmountDialog* dialog, const ScreenText* texts, int32_t field_y, int32_t value) {
    const ScreenButton buttons[] = {{0, 180, 58, 15, lang_text(TXT_OK_SMALL), 1}};
    static const ScreenBox boxes[] = {{60, 38, 250, 160, 12}, {0, 0, 0, 0, 0}};
    screen_layout_draw(buttons, boxes, texts);

    // The field holds 9 characters: a longer number is cut, as the field would cut it typed.
    char digits[16];
    std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(value));
    std::snprintf(dialog->buffer, sizeof dialog->buffer, "%.9s", digits);
    dialog->info = EntryFieldInfo{dialog->buffer, 0, AMOUNT_FIELD_BYTES, 0, 0, 0, value};
    dialog->field = Gadget{nullptr,
                           135,
                           static_cast<int16_t>(field_y),
                           80,
                           13,
                           GADGET_HIGHLIGHT_BOX,
                           0,
                           GADGET_ENTRY_FIELD,
                           nullptr,
                           nullptr,
                           nullptr,
                           &dialog->info,
                           AMOUNT_FIELD_ID};
    gadget_add(&dialog->field);
    gadgets_refresh();
    string_gadget_activate(&dialog->field);
}

int32_t amount_dialog_wait(AmountDialog* dialog, int32_t* amount) {
    do {
        input_poll();
    } while (g_command != 1 && g_quit == 0);
    if (g_command != 1) return 0;
    *amount = dialog->info.value;
    return 1;
}

void amount_dialog_refuse(AmountDialog* dialog, TextLines lines) {
    gadget_remove(&dialog->field);
    bank_message_box(lines);
    gadget_add(&dialog->field);
    gadgets_refresh();
    string_gadget_activate(&dialog->field);
}

void amount_dialog_close(AmountDialog* dialog) {
    gadget_remove(&dialog->field);
    screen_buttons_clear();
}
