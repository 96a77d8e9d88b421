#include "assets/fixed_math.h"

#include <array>
#include <cstddef>

namespace {

constexpr int64_t HALF_PI = 1686629713;     // pi / 2 times FIXED_ONE
constexpr int32_t QUARTER_STEPS_LOG2 = 10;  // the quarter wave in 1024 steps
constexpr int32_t QUARTER_STEPS = 1 << QUARTER_STEPS_LOG2;
constexpr int32_t EXP_WHOLE_LIMIT = 22;  // e^-22 is below the last fraction bit

// sin(x) by its series, x in 0 .. pi/2 (fixed point).
constexpr int64_t series_sin(int64_t x) {
    int64_t sum = x, term = x;
    for (int64_t k = 1; k <= 10; ++k) {
        term = ((term * x) >> FIXED_SHIFT) * x >> FIXED_SHIFT;
        term /= (2 * k) * (2 * k + 1);
        sum += k % 2 == 1 ? -term : term;
    }
    return sum;
}

// e^-r by its series, r in 0 .. 1 (fixed point).
constexpr int64_t series_exp_neg(int64_t r) {
    int64_t sum = FIXED_ONE, term = FIXED_ONE;
    for (int64_t k = 1; k <= 14; ++k) {
        term = (term * r >> FIXED_SHIFT) / k;
        sum += k % 2 == 1 ? -term : term;
    }
    return sum;
}

// Entry j is sin(j / 1024 of a right angle); the last one is exactly 1.
constexpr std::array<int32_t, QUARTER_STEPS + 1> make_quarter_wave() {
    std::array<int32_t, QUARTER_STEPS + 1> t{};
    for (int32_t j = 0; j < QUARTER_STEPS; ++j)
        t[static_cast<size_t>(j)] =
            static_cast<int32_t>(series_sin((HALF_PI * j + QUARTER_STEPS / 2) / QUARTER_STEPS));
    t[QUARTER_STEPS] = static_cast<int32_t>(FIXED_ONE);
    return t;
}

// Entry n is e^-n.
constexpr std::array<int64_t, EXP_WHOLE_LIMIT> make_exp_whole() {
    std::array<int64_t, EXP_WHOLE_LIMIT> t{};
    int64_t e_inv = series_exp_neg(FIXED_ONE);
    t[0] = FIXED_ONE;
    for (size_t n = 1; n < t.size(); ++n) t[n] = (t[n - 1] * e_inv + FIXED_ONE / 2) >> FIXED_SHIFT;
    return t;
}

// Entry i is atan(2^-i) as a fraction of a turn (2^32), for the rotations of fixed_atan2. The
// series of atan(2^-i) has powers of two for its numerators, so it is summed with 62 fraction bits.
constexpr std::array<uint32_t, 30> make_atan_steps() {
    std::array<uint32_t, 30> t{};
    t[0] = uint32_t{1} << 29;  // 45 degrees
    for (int32_t i = 1; i < 30; ++i) {
        int64_t sum = 0;
        for (int32_t k = 0; (2 * k + 1) * i < 62; ++k) {
            int64_t term = (int64_t{1} << (62 - (2 * k + 1) * i)) / (2 * k + 1);
            sum += k % 2 == 0 ? term : -term;
        }
        t[static_cast<size_t>(i)] = static_cast<uint32_t>((sum + FIXED_TWO_PI / 2) / FIXED_TWO_PI);
    }
    return t;
}

constexpr std::array<int32_t, QUARTER_STEPS + 1> kQuarterWave = make_quarter_wave();
constexpr std::array<int64_t, EXP_WHOLE_LIMIT> kExpWhole = make_exp_whole();
constexpr std::array<uint32_t, 30> kAtanSteps = make_atan_steps();

// sin of p / 2^30 of a right angle, p in 0 .. 2^30, interpolated between the table's steps.
int32_t quarter_sin(uint32_t p) {
    constexpr int32_t fraction_bits = FIXED_SHIFT - QUARTER_STEPS_LOG2;
    uint32_t j = p >> fraction_bits;
    if (j >= static_cast<uint32_t>(QUARTER_STEPS)) return kQuarterWave[QUARTER_STEPS];
    int64_t a = kQuarterWave[j], b = kQuarterWave[j + 1];
    int64_t frac = p & ((uint32_t{1} << fraction_bits) - 1);
    return static_cast<int32_t>(a + ((b - a) * frac >> fraction_bits));
}

}  // namespace

uint32_t fixed_turn(int64_t num, int64_t den) {
    int64_t r = num % den;
    if (r < 0) r += den;
    return static_cast<uint32_t>((r << 32) / den);
}

int32_t fixed_sin(uint32_t turn) {
    uint32_t quadrant = turn >> 30;
    uint32_t p = turn & ((uint32_t{1} << 30) - 1);
    switch (quadrant) {
        case 0:
            return quarter_sin(p);
        case 1:
            return quarter_sin((uint32_t{1} << 30) - p);
        case 2:
            return -quarter_sin(p);
        default:
            return -quarter_sin((uint32_t{1} << 30) - p);
    }
}

int32_t fixed_cos(uint32_t turn) {
    return fixed_sin(turn + (uint32_t{1} << 30));
}

int32_t fixed_sin_scaled(uint32_t turn, int32_t num, int32_t den) {
    return static_cast<int32_t>(fixed_round(int64_t{fixed_sin(turn)} * num / den));
}

int32_t fixed_cos_scaled(uint32_t turn, int32_t num, int32_t den) {
    return static_cast<int32_t>(fixed_round(int64_t{fixed_cos(turn)} * num / den));
}

uint32_t fixed_atan2(int64_t y, int64_t x) {
    if (x == 0 && y == 0) return 0;
    // Turn the vector into the right half plane, then rotate it onto the +x axis in ever smaller
    // steps, adding up the angles turned through.
    uint32_t angle = 0;
    if (x < 0) {
        x = -x;
        y = -y;
        angle = uint32_t{1} << 31;
    }
    x *= FIXED_ONE;
    y *= FIXED_ONE;
    for (int32_t i = 0; i < 30; ++i) {
        int64_t dx = x >> i, dy = y >> i;
        if (y > 0) {
            x += dy;
            y -= dx;
            angle += kAtanSteps[static_cast<size_t>(i)];
        } else if (y < 0) {
            x -= dy;
            y += dx;
            angle -= kAtanSteps[static_cast<size_t>(i)];
        }
    }
    return angle;
}

int64_t fixed_exp_neg(int64_t num, int64_t den) {
    if (num <= 0) return FIXED_ONE;
    int64_t whole = num / den;
    if (whole >= EXP_WHOLE_LIMIT) return 0;
    int64_t rem = num - whole * den;
    while (den >= (int64_t{1} << 32)) {  // keeps rem << 30 inside 64 bits
        den >>= 1;
        rem >>= 1;
    }
    int64_t r = (rem << FIXED_SHIFT) / den;
    return (kExpWhole[static_cast<size_t>(whole)] * series_exp_neg(r) + FIXED_ONE / 2) >> FIXED_SHIFT;
}

uint32_t fixed_sqrt(uint64_t v) {
    uint64_t root = 0, bit = uint64_t{1} << 62;
    while (bit > v) bit >>= 2;
    while (bit != 0) {
        if (v >= root + bit) {
            v -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return static_cast<uint32_t>(root);
}

int64_t fixed_round(int64_t value) {
    constexpr int64_t half = FIXED_ONE / 2;
    return value >= 0 ? (value + half) >> FIXED_SHIFT : -((-value + half) >> FIXED_SHIFT);
}
