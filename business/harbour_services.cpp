#include "business/harbour_services.h"

#include "engine/intmath.h"
#include "lang/lang.h"
#include "ui/letter.h"
#include "world/records.h"

void tow_ship_out_of_fuel(int32_t player, Shipowner* shipowner, Ship* ship) {
    const char* lines[] = {lang_text(TXT_HS_TOW_1), lang_text(TXT_HS_TOW_2), lang_text(TXT_HS_TOW_3),
                           lang_text(TXT_HS_TOW_4), lang_text(TXT_HS_TOW_5), lang_text(TXT_HS_TOW_6),
                           nullptr};
    letter_show(player, shipowner, ship, lines, 0);
    // A friendly favour, not a bill: no account records it.
    shipowner->cash = wrap_sub(shipowner->cash, 1000);
    ship->fuel = wrap_add(ship->fuel, 2000);
    shipowner->status -= 1;
    if (shipowner->status < 0) shipowner->status = 0;
}
