// The bank's amount dialogs share one form: the status line over the bank's background, a box of
// labels, one entry field for a k$ amount at x 135 and the single "  ok" button. There is no cancel.
#pragma once

#include <cstdint>

#include "ui/gadget.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"

constexpr int32_t AMOUNT_FIELD_ID = 2;
constexpr int32_t AMOUNT_FIELD_BYTES = 10;

struct AmountDialog {
    char buffer[AMOUNT_FIELD_BYTES];
    EntryFieldInfo info;
    Gadget field;
};

// The first line of the last box the bank showed (a refusal or the penalty), null for none: tells
// the refusals apart for the tests and the screens tool.
extern const char* g_bank_last_box;

// A message box of the bank, noted in g_bank_last_box.
void bank_message_box(TextLines lines);
// The grey clear, the background and the status line.
void amount_dialog_backdrop(int32_t player);
// Draws the box, the texts (a table ended by a null text) and the OK button, then adds the field
// at (135, field_y) showing value and makes it active.
void amount_dialog_open(AmountDialog* dialog, const ScreenText* texts, int32_t field_y, int32_t value);
// Polls until OK (command 1) or the quit flag: 1 with the field's amount, 0 on quit.
int32_t amount_dialog_wait(AmountDialog* dialog, int32_t* amount);
// A refusal over the open dialog: the field is taken away for the box and comes back active.
void amount_dialog_refuse(AmountDialog* dialog, TextLines lines);
// Takes the field and the button away.
void amount_dialog_close(AmountDialog* dialog);
