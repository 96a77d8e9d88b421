#include "business/visit_rolls.h"

#include "engine/random.h"

void draw_visit_rolls(int32_t rolls[VISIT_ROLLS]) {
    for (int32_t i = 0; i < VISIT_ROLLS; ++i) rolls[i] = random_range(0, 999);
}
