#include "host/instructions_page.h"

#include "host/host_dialogs.h"

namespace {

uint32_t u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint32_t u16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8; }

}  // namespace

int32_t instructions_page_header_ok(const uint8_t* bytes, size_t size) {
    if (size < 54 || size > INSTRUCTIONS_PAGE_MAX_BYTES) return 0;
    if (bytes[0] != 'B' || bytes[1] != 'M') return 0;
    uint32_t pixels_at = u32(bytes + 10);
    uint32_t info_size = u32(bytes + 14);
    if (info_size < 40 || info_size > 124) return 0;
    auto width = static_cast<int32_t>(u32(bytes + 18));
    auto height = static_cast<int32_t>(u32(bytes + 22));
    if (width != INSTRUCTIONS_PICTURE_WIDTH) return 0;
    if (height != INSTRUCTIONS_PICTURE_HEIGHT && height != -INSTRUCTIONS_PICTURE_HEIGHT) return 0;
    uint32_t planes = u16(bytes + 26);
    uint32_t bits = u16(bytes + 28);
    uint32_t compression = u32(bytes + 30);
    if (planes != 1 || compression != 0) return 0;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return 0;
    uint32_t row = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    uint32_t pixel_bytes = row * static_cast<uint32_t>(INSTRUCTIONS_PICTURE_HEIGHT);
    if (pixels_at < 14 + info_size || pixels_at > size || size - pixels_at < pixel_bytes) return 0;
    return 1;
}
