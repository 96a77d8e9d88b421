#include "business/office.h"

// The office is not open yet: each screen returns at once.
void shipowner_office_screen(int32_t) {}
void ships_positions_dialog(int32_t) {}
void possessions_screen(int32_t, int32_t) {}
