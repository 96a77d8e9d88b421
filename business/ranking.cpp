#include "business/ranking.h"

// Not drawn yet: each screen returns at once.
void ranking_list_screen() {}
void property_statistics_screen(int32_t) {}
