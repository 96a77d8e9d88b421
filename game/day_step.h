// One game day: the day counter, the weather and the price indices, then for every shipowner still in
// the game each ship's day (running costs, wear, mortgage interest and its phase), the credit interest,
// the subsidies, the till, the net-worth history and bankruptcy.
#pragma once

#include <cstdint>

// The letters of the day and the loss text of a worn-out ship, each ended by a null line. Their
// formatted lines keep the values of the last letter shown.
extern const char* g_due_letter[5];
extern const char* g_subsidy_letter[6];
extern const char* g_subsidy_reclaim_letter[6];
extern const char* g_till_theft_letter[7];
extern const char* g_appalling_condition_text[6];

// The subsidy step and the till-theft threshold of a difficulty (1 Beginner, 2 Expert, 3 Genius).
int32_t subsidy_step(int32_t difficulty);
int32_t till_theft_threshold(int32_t difficulty);

// Advances the world by one day; returns g_day_event.
int32_t day_step();
