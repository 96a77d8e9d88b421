// Feeds arbitrary bytes to the font loader. A load either fails with nothing held, or gives a font
// whose every glyph can be measured and drawn anywhere on the frame without a read or write out of
// bounds, the drawing returning the same advance as the measuring.
#include <cstdint>
#include <cstdlib>

#include "engine/font.h"
#include "engine/frame.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr char kTarget[] = "font loader";
constexpr char kInput[] = "fuzz.fnt";

// Pen positions that put glyphs inside the frame, across every edge and far outside it.
constexpr int32_t kPens[][2] = {{0, 0}, {150, 90}, {-5, -3}, {315, 195}, {-100000, 7}, {7, 100000}};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz_enter_scratch_dir();
    // Exactly one frame, so that any pixel put outside it is caught.
    g_screen_buffer = static_cast<uint8_t*>(std::calloc(SCREEN_BYTES, 1));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_write_file(kInput, data, size);
    Font font = {};
    int32_t loaded = font_load(kInput, &font);
    fuzz_check(loaded == 0 || loaded == 1, kTarget, "result code");
    fuzz_check((loaded == 1) == (font.data != nullptr), kTarget, "a glyph block held after a failed load");
    if (loaded == 1) {
        for (int32_t c = 0; c < 256; ++c) {
            auto ch = static_cast<uint8_t>(c);
            int32_t advance = font_char_advance(&font, ch);
            for (const auto& pen : kPens)
                fuzz_check(font_draw_char(&font, ch, pen[0], pen[1]) == advance, kTarget,
                           "drawing and measuring disagree");
        }
        const char text[] = "Elevator \x84\x94\x81 0123";
        fuzz_check(font_draw_text(&font, text, 3, 3) == font_text_width(&font, text), kTarget,
                   "text width");
    }
    font_free(&font);
    fuzz_check(font.data == nullptr, kTarget, "font_free");
    return 0;
}
