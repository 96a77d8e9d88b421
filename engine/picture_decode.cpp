#include "engine/picture_decode.h"

#include <cstring>

#include "host/platform.h"

namespace {

// Packed bytes held in memory.
struct MemorySource {
    const uint8_t* next;
    uint32_t left;

    bool take(uint8_t* dst, uint32_t n) {
        if (n > left) return false;
        std::memcpy(dst, next, n);
        next += n;
        left -= n;
        return true;
    }
};

// Packed bytes read from a file as they are needed.
struct FileSource {
    int32_t handle;
    uint32_t left;

    // A short read writes nothing, so that both sources give the same result.
    bool take(uint8_t* dst, uint32_t n) {
        uint8_t bytes[128];
        if (n > left || n > sizeof bytes) return false;
        left -= n;
        if (dos_read(handle, bytes, n) != static_cast<int32_t>(n)) return false;
        std::memcpy(dst, bytes, n);
        return true;
    }
};

template <typename Source>
int32_t decode(Source* src, uint8_t* out) {
    int32_t pos = 0;
    for (int32_t row = 0; row < PICTURE_ROWS; ++row) {
        int32_t counter = PICTURE_ROW_PIXELS;
        while (counter >= 1) {
            uint8_t code_byte;
            if (!src->take(&code_byte, 1)) return pos;
            int32_t c = static_cast<int8_t>(code_byte);
            int32_t n;
            if (c >= 1) {
                n = c + 1;
                if (pos + n > PICTURE_BYTES || !src->take(out + pos, static_cast<uint32_t>(n))) return pos;
            } else {
                n = 1 - c;
                uint8_t value;
                if (pos + n > PICTURE_BYTES || !src->take(&value, 1)) return pos;
                std::memset(out + pos, value, static_cast<size_t>(n));
            }
            pos += n;
            counter -= n;
        }
    }
    return pos;
}

}  // namespace

int32_t picture_decode(const uint8_t* packed, uint32_t size, uint8_t* out) {
    MemorySource src{packed, size};
    return decode(&src, out);
}

int32_t picture_decode_file(int32_t handle, uint32_t size, uint8_t* out) {
    FileSource src{handle, size};
    return decode(&src, out);
}
