// The instructions page is a Windows bitmap of 360 x 300 pixels. Before it is decoded, its
// header must say so: a file that claims another size, or is longer than such a page can be, is
// damaged and is never handed to the decoder.
#pragma once

#include <cstddef>
#include <cstdint>

// The longest file a 360 x 300 page can be: both headers, a full colour table, 32-bit pixels.
constexpr uint32_t INSTRUCTIONS_PAGE_MAX_BYTES = 14 + 124 + 1024 + 360 * 300 * 4;

// 1 when bytes (size long) start like a 360 x 300 bitmap, stored either way up, with 1, 4, 8, 24
// or 32 bits per pixel and its pixels inside the file; else 0.
int32_t instructions_page_header_ok(const uint8_t* bytes, size_t size);
