// Whole-degree sines scaled by 256, from one constant table.
#pragma once

#include <cstdint>

extern const int32_t g_sine_table[360];

int32_t sin_deg(int32_t angle);
int32_t cos_deg(int32_t angle);
