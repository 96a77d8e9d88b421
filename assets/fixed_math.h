// Integer maths for the painters and the sound synthesiser: sines, e^-x, square roots and angles
// in fixed point. Nothing here touches floating point, so the generated data files come out byte
// for byte the same whichever compiler or maths library builds the generator.
//
// Values are fixed point with 30 fraction bits (FIXED_ONE is 1.0). Angles are fractions of a turn
// in 32 bits: 2^32 is one whole turn, so an angle wraps round by plain unsigned overflow.
#pragma once

#include <cstdint>

constexpr int32_t FIXED_SHIFT = 30;
constexpr int64_t FIXED_ONE = int64_t{1} << FIXED_SHIFT;
constexpr int64_t FIXED_TWO_PI = 6746518852;  // 2 pi in fixed point
constexpr int64_t FIXED_RADIAN = 683565276;   // one radian as a fraction of a turn (2^32 / 2 pi)

// The angle num/den of a whole turn (any sign; whole turns drop out).
uint32_t fixed_turn(int64_t num, int64_t den);
// Sine and cosine of an angle, times FIXED_ONE.
int32_t fixed_sin(uint32_t turn);
int32_t fixed_cos(uint32_t turn);
// sin and cos times num / den, rounded to the nearest integer (points round a centre).
int32_t fixed_sin_scaled(uint32_t turn, int32_t num, int32_t den);
int32_t fixed_cos_scaled(uint32_t turn, int32_t num, int32_t den);
// The angle of the vector (x, y), counted from the +x axis towards +y, in 0 .. one turn, for
// |x| and |y| below 2^31. (0, 0) gives 0.
uint32_t fixed_atan2(int64_t y, int64_t x);
// e^(-num/den) times FIXED_ONE, for num >= 0 and den > 0.
int64_t fixed_exp_neg(int64_t num, int64_t den);
// The largest integer whose square is at most v.
uint32_t fixed_sqrt(uint64_t v);
// A fixed-point value rounded to the nearest integer, halves away from zero.
int64_t fixed_round(int64_t value);
