#include "assets/instructions_picture.h"

#include "assets/font_art.h"

const uint8_t g_instructions_palette[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},   {0, 0, 128},   {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0},  {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

namespace {

constexpr int32_t kMargin = 12;
constexpr int32_t kLinePitch = 15;
constexpr int32_t kKeyColumn = 44;  // where the text after a key letter starts

// One line of the picture: a key letter (or 0) and its text.
struct Line {
    char key;
    const char* text;
};

// The heading is drawn on its own, twice the glyph size.
const char* const kHeading = "How to play";

const Line kLines[] = {
    {0, "The game is run from the main screen: the world"},
    {0, "map with the day dial and the run button that"},
    {0, "starts and stops the days. Games are saved and"},
    {0, "loaded there."},
    {0, ""},
    {0, "Hold the right mouse button on the main screen"},
    {0, "to open the hidden menu at the top, and let it go"},
    {0, "over an item to choose it. Or press a key there"},
    {0, "(capital letters):"},
    {0, ""},
    {'S', "save the game"},
    {'N', "save the game under a new name"},
    {'L', "load a saved game"},
    {'Q', "quit the game and show the final results"},
    {'A', "show the About box"},
};

struct Painter {
    std::vector<uint8_t>* pixels;

    void put(int32_t x, int32_t y) {
        if (x >= 0 && y >= 0 && x < INSTRUCTIONS_WIDTH && y < INSTRUCTIONS_HEIGHT)
            (*pixels)[static_cast<size_t>(y * INSTRUCTIONS_WIDTH + x)] = INSTRUCTIONS_INK;
    }

    // Draws text with its cell's top at y, each glyph pixel as a scale x scale block; returns the
    // pen position after it.
    int32_t text(int32_t x, int32_t y, const char* s, int32_t scale) {
        for (const char* p = s; *p != '\0'; ++p) {
            GlyphBitmap g;
            if (!font_art_glyph(FONT_SYS13, static_cast<uint8_t>(*p), &g)) continue;
            for (int32_t r = 0; r < g.height; ++r)
                for (int32_t k = 0; k < g.width; ++k)
                    if (g.ink[static_cast<size_t>(r * g.width + k)] != 0)
                        for (int32_t dy = 0; dy < scale; ++dy)
                            for (int32_t dx = 0; dx < scale; ++dx)
                                put(x + (g.left + k) * scale + dx, y + r * scale + dy);
            x += g.advance * scale;
        }
        return x;
    }
};

}  // namespace

bool instructions_render(std::vector<uint8_t>* pixels, std::string* error) {
    pixels->assign(static_cast<size_t>(INSTRUCTIONS_WIDTH * INSTRUCTIONS_HEIGHT), INSTRUCTIONS_PAPER);
    Painter paint{pixels};
    int32_t y = 10;
    int32_t end = paint.text(kMargin, y, kHeading, 2);
    y += 2 * kLinePitch;
    for (int32_t x = kMargin; x < end; ++x) paint.put(x, y - 3);  // a rule under the heading
    y += 6;
    for (const Line& line : kLines) {
        int32_t x = kMargin;
        if (line.key != 0) {
            char key[2] = {line.key, 0};
            paint.text(x + 12, y, key, 1);
            x = kKeyColumn;
        }
        end = paint.text(x, y, line.text, 1);
        if (end > INSTRUCTIONS_WIDTH - kMargin) {
            *error = std::string("instructions: line too wide: ") + line.text;
            return false;
        }
        y += kLinePitch;
    }
    if (y > INSTRUCTIONS_HEIGHT - 4) {
        *error = "instructions: text too long for the picture";
        return false;
    }
    return true;
}

std::string instructions_bmp(const std::vector<uint8_t>& pixels) {
    const uint32_t row_bytes = INSTRUCTIONS_WIDTH / 2;  // 180: already a multiple of 4
    const uint32_t header = 14 + 40 + 16 * 4;
    const uint32_t image = row_bytes * INSTRUCTIONS_HEIGHT;
    std::string out;
    auto u16 = [&out](uint32_t v) {
        out.push_back(static_cast<char>(v & 0xFF));
        out.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    auto u32 = [&u16](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    out += "BM";
    u32(header + image);
    u32(0);
    u32(header);
    u32(40);  // the information header: size, width, height (bottom-up), planes, bits per pixel
    u32(INSTRUCTIONS_WIDTH);
    u32(INSTRUCTIONS_HEIGHT);
    u16(1);
    u16(4);
    u32(0);  // no compression
    u32(image);
    u32(2835);  // 72 dots per inch
    u32(2835);
    u32(16);
    u32(16);
    for (const auto& c : g_instructions_palette) {
        out.push_back(static_cast<char>(c[2]));
        out.push_back(static_cast<char>(c[1]));
        out.push_back(static_cast<char>(c[0]));
        out.push_back(0);
    }
    for (int32_t y = INSTRUCTIONS_HEIGHT - 1; y >= 0; --y) {
        const uint8_t* row = &pixels[static_cast<size_t>(y * INSTRUCTIONS_WIDTH)];
        for (int32_t x = 0; x < INSTRUCTIONS_WIDTH; x += 2)
            out.push_back(static_cast<char>((row[x] & 0x0F) << 4 | (row[x + 1] & 0x0F)));
    }
    return out;
}
