// Palette cycling: water and lights move by rotating triples of the picture palette's cycling
// range (triples 0..31, colours 32..63) and uploading that range.
#pragma once

#include <cstdint>

// Within the range 0..31 only: with count >= 2 the triples first .. first + count - 1 move one place
// toward the end and the last becomes the first; then, when apply is non-zero, colours 32..63 are
// uploaded. A range reaching outside 0..31 does nothing at all, not even the upload.
void palette_cycle(int32_t first, int32_t count, int32_t apply);
