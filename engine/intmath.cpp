#include "engine/intmath.h"

int32_t wrap_mul(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
int32_t wrap_add(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int32_t wrap_sub(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }
// Truncating division; the one quotient that overflows (INT32_MIN / -1) wraps to INT32_MIN.
int32_t wrap_div(int32_t a, int32_t b) { return (b == -1) ? wrap_sub(0, a) : a / b; }

namespace {

int32_t shift(int32_t v, int32_t s) { return v >> (s & 31); }

}  // namespace

int32_t isqrt(int32_t n) {
    if (n <= 0) return 0;
    int32_t b = 1 << 30;
    while (b > n) b /= 4;
    int32_t r = 0;
    while (b != 0) {
        if (n >= r + b) {
            n -= r + b;
            r = r / 2 + b;
        } else {
            r /= 2;
        }
        b /= 4;
    }
    return r;
}

int32_t mul_div(int32_t a, int32_t b, int32_t c) { return wrap_div(wrap_mul(a, b), c); }
int32_t mul_shift(int32_t a, int32_t b, int32_t s) { return shift(wrap_mul(a, b), s); }
int32_t mul_add_div(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    return wrap_div(wrap_add(wrap_mul(a, b), wrap_mul(c, d)), e);
}
int32_t mul_add_shift(int32_t a, int32_t b, int32_t c, int32_t d, int32_t s) {
    return shift(wrap_add(wrap_mul(a, b), wrap_mul(c, d)), s);
}
int32_t mul_sub_div(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    return wrap_div(wrap_sub(wrap_mul(a, b), wrap_mul(c, d)), e);
}
int32_t mul_sub_shift(int32_t a, int32_t b, int32_t c, int32_t d, int32_t s) {
    return shift(wrap_sub(wrap_mul(a, b), wrap_mul(c, d)), s);
}
