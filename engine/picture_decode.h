// The packed picture format: 200 rows of codes, each a signed byte c and its data. c >= 1 copies
// the next c + 1 bytes as they stand (2..128), c <= 0 repeats the next byte 1 - c times (1..129).
// Every row counts 320 pixels, but a run that passes the row's end spills into the next row.
#pragma once

#include <cstdint>

constexpr int32_t PICTURE_ROWS = 200;
constexpr int32_t PICTURE_ROW_PIXELS = 320;
constexpr int32_t PICTURE_BYTES = PICTURE_ROWS * PICTURE_ROW_PIXELS;

// Decodes the size packed bytes into out (PICTURE_BYTES long) and returns the bytes written.
// A code runs whole or not at all: one whose data lies beyond the packed bytes, or whose run would
// pass the end of out, ends the decoding and leaves the rest of out as it was.
int32_t picture_decode(const uint8_t* packed, uint32_t size, uint8_t* out);
// The same, reading the packed bytes from an open file at its position with one read per code byte,
// per repeated byte and per literal run, never more than size bytes in all.
int32_t picture_decode_file(int32_t handle, uint32_t size, uint8_t* out);
