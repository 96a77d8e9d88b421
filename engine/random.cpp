#include "engine/random.h"

uint16_t g_random_seed = 1;
uint16_t g_random_counter = 0;
uint16_t g_random_value = 0;
RandomTrace g_random_trace = nullptr;

uint32_t random_next() {
    g_random_seed = static_cast<uint16_t>(g_random_seed * 20077u + 12345u);
    g_random_counter = static_cast<uint16_t>(g_random_counter + 1u);
    g_random_value = static_cast<uint16_t>((g_random_seed + g_random_counter) ^ 0x55u);
    return g_random_value;
}

int32_t random_range(int32_t lo, int32_t hi) {
    // The span times a 16-bit draw, in signed 32 bits, shifted down arithmetically.
    int32_t product = static_cast<int32_t>(static_cast<uint32_t>(hi - lo + 1) * random_next());
    int32_t result = lo + (product >> 16);
    if (g_random_trace != nullptr) g_random_trace(lo, hi, result);
    return result;
}
