#include "business/no_cash_message.h"

#include "lang/lang.h"
#include "ui/requester.h"

void show_no_cash_message() {
    const char* lines[] = {lang_text(TXT_HS_NO_CASH_1), lang_text(TXT_HS_NO_CASH_2), lang_text(TXT_HS_NO_CASH_3),
                           lang_text(TXT_HV_BLANK), nullptr};
    message_box(lines, 0);
}
