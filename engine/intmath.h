// Whole-number maths: integer square root and the 32-bit multiply-then-divide or multiply-then-
// shift helpers of the fixed-point code. Products and sums wrap in 32 bits, division truncates
// toward zero and shifts are arithmetic.
#pragma once

#include <cstdint>

// Wrapping 32-bit arithmetic: computed unsigned and converted back, so that numbers at the ends of
// their range (from a game file, say) wrap instead of overflowing.
int32_t wrap_add(int32_t a, int32_t b);
int32_t wrap_sub(int32_t a, int32_t b);
int32_t wrap_mul(int32_t a, int32_t b);
// Truncating division; the one quotient that overflows (INT32_MIN / -1) wraps to INT32_MIN.
int32_t wrap_div(int32_t a, int32_t b);

int32_t isqrt(int32_t n);
int32_t mul_div(int32_t a, int32_t b, int32_t c);
int32_t mul_shift(int32_t a, int32_t b, int32_t s);
int32_t mul_add_div(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);
int32_t mul_add_shift(int32_t a, int32_t b, int32_t c, int32_t d, int32_t s);
int32_t mul_sub_div(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);
int32_t mul_sub_shift(int32_t a, int32_t b, int32_t c, int32_t d, int32_t s);
