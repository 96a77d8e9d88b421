#include "tests/box_fit/text_box_check.h"

#include <cstdio>

#include "engine/font.h"
#include "engine/font_seam.h"
#include "engine/frame.h"
#include "ui/boxes_shown.h"
#include "ui/gadget.h"
#include "ui/letter.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"

namespace {

enum class Layer { SCREEN, BOX, LETTER };

struct Rect {
    int32_t x0, y0, x1, y1;
    bool holds(int32_t x, int32_t y) const { return x0 <= x && x <= x1 && y0 <= y && y <= y1; }
    bool holds(const Rect& r) const { return x0 <= r.x0 && r.x1 <= x1 && y0 <= r.y0 && r.y1 <= y1; }
    bool meets(const Rect& r) const { return r.x0 <= x1 && x0 <= r.x1 && r.y0 <= y1 && y0 <= r.y1; }
    int64_t area() const { return static_cast<int64_t>(x1 - x0 + 1) * (y1 - y0 + 1); }
};

struct Owner {
    Rect inner;
    const char* kind;
    const Gadget* gadget;  // null for a table box, a frame or the screen
    Layer layer;
};

struct Run {
    Owner owner;
    int32_t origin_x, origin_y;
    const Font* font;
    int32_t pen_y;
    int32_t next_pen_x;
    bool lone;  // glyphs drawn one by one
    std::string text;
    std::vector<Rect> glyphs;  // the pixels of each glyph that set any
    uint32_t epoch;
    uint64_t checked;  // the gadgets it was last checked against
    int32_t fault;     // index into g_faults, -1 for none
};

constexpr size_t MAX_RUNS = 4000;

std::vector<TextBoxFault> g_faults;
std::vector<TextBoxFault> g_low_boxes;
std::vector<TextBoxStage> g_stages;
std::vector<Run> g_runs;
bool g_in_run = false;  // the last run may still grow
uint32_t g_epoch = 0;
uint64_t g_last_layout = 0;
RequesterFrame g_last_frame = {1, 0, 0, 0};
int32_t g_last_letter = 0;

const Rect SCREEN_RECT = {0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1};

bool requester_up() {
    return g_requester_frame.x0 <= g_requester_frame.x1;
}

// A button's face inside its frame is its hit box; an entry field is the cells it shows.
Rect gadget_rect(const Gadget* g) {
    if (const EntryFieldInfo* info = gadget_entry_info(g))
        return Rect{g->left + 1, g->top + 1, g->left + info->visible * ENTRY_FIELD_CELL,
                    g->top + ENTRY_FIELD_CELL};
    return Rect{g->left, g->top, g->left + g->width - 1, g->top + g->height - 1};
}

bool is_box_gadget(const Gadget* g) {
    return g == &g_message_ok_gadget || g == &g_ask_yes_gadget || g == &g_ask_no_gadget;
}

// The gadgets a text can belong to or run into on a layer: buttons with a label and entry fields.
bool counts_on(const Gadget* g, Layer layer) {
    if (g->type == GADGET_SLIDER) return false;
    if (g->type != GADGET_ENTRY_FIELD && g->text == nullptr) return false;
    switch (layer) {
        case Layer::BOX:
            return is_box_gadget(g);
        case Layer::LETTER:
            return g == &g_letter_ok_gadget;
        case Layer::SCREEN:
            return !is_box_gadget(g) && g != &g_letter_ok_gadget;
    }
    return false;
}

const char* gadget_kind(const Gadget* g) {
    return g->type == GADGET_ENTRY_FIELD ? "field" : "button";
}

// The smallest listed gadget of the layer around (x, y).
const Gadget* gadget_at(int32_t x, int32_t y, Layer layer) {
    const Gadget* best = nullptr;
    for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next) {
        if (!counts_on(g, layer) || !gadget_rect(g).holds(x, y)) continue;
        if (best == nullptr || gadget_rect(g).area() < gadget_rect(best).area()) best = g;
    }
    return best;
}

Owner owner_at(int32_t x, int32_t y) {
    if (requester_up()) {
        const RequesterFrame& f = g_requester_frame;
        Rect frame{f.x0, f.y0, f.x1, f.y1};
        if (frame.holds(x, y)) {
            if (const Gadget* g = gadget_at(x, y, Layer::BOX))
                return Owner{gadget_rect(g), "button", g, Layer::BOX};
            return Owner{Rect{f.x0 + 1, f.y0 + 1, f.x1 - 1, f.y1 - 1}, "message box", nullptr, Layer::BOX};
        }
    }
    if (g_letter_up != 0) {
        Rect sheet{LETTER_SHEET_X, LETTER_SHEET_Y, LETTER_SHEET_X + LETTER_SHEET_W - 1,
                   LETTER_SHEET_Y + LETTER_SHEET_H - 1};
        if (sheet.holds(x, y)) {
            if (const Gadget* g = gadget_at(x, y, Layer::LETTER))
                return Owner{gadget_rect(g), "button", g, Layer::LETTER};
            return Owner{sheet, "letter", nullptr, Layer::LETTER};
        }
    }
    if (const Gadget* g = gadget_at(x, y, Layer::SCREEN))
        return Owner{gadget_rect(g), gadget_kind(g), g, Layer::SCREEN};
    const ScreenBox* best = nullptr;
    for (int32_t i = 0; i < g_screen_box_count; ++i) {
        const ScreenBox& b = g_screen_boxes_shown[i];
        Rect r{b.x0, b.y0, b.x1, b.y1};
        if (!r.holds(x, y)) continue;
        if (best == nullptr || r.area() < Rect{best->x0, best->y0, best->x1, best->y1}.area()) best = &b;
    }
    if (best != nullptr) {
        // A framed box keeps its one-pixel frame clear; a plain one is all inner area.
        int32_t frame = best->style >= 0 ? 1 : 0;
        return Owner{Rect{best->x0 + frame, best->y0 + frame, best->x1 - frame, best->y1 - frame}, "box",
                     nullptr, Layer::SCREEN};
    }
    return Owner{SCREEN_RECT, "screen", nullptr, Layer::SCREEN};
}

TextBoxStage& stage() {
    if (g_stages.empty()) g_stages.push_back(TextBoxStage{"start"});
    return g_stages.back();
}

// The record of a run's text against its box, with the pixels that showed it.
TextBoxFault fault_record(const Run& run, const Rect& pixels) {
    TextBoxFault f;
    f.where = stage().name;
    f.kind = run.owner.kind;
    f.text = run.text;
    const Rect& b = run.owner.inner;
    f.box[0] = b.x0;
    f.box[1] = b.y0;
    f.box[2] = b.x1;
    f.box[3] = b.y1;
    f.pixels[0] = pixels.x0;
    f.pixels[1] = pixels.y0;
    f.pixels[2] = pixels.x1;
    f.pixels[3] = pixels.y1;
    return f;
}

void fault_of(Run* run, const Rect& pixels, const char* into_text) {
    if (run->fault >= 0) return;
    TextBoxFault f = fault_record(*run, pixels);
    f.into = into_text != nullptr ? into_text : "";
    run->fault = static_cast<int32_t>(g_faults.size());
    g_faults.push_back(f);
}

// The text and the pixels a fault shows grow with its run.
void update_fault(const Run& run) {
    if (run.fault < 0) return;
    TextBoxFault& f = g_faults[static_cast<size_t>(run.fault)];
    f.text = run.text;
    for (const Rect& g : run.glyphs) {
        if (g.x0 < f.pixels[0]) f.pixels[0] = g.x0;
        if (g.y0 < f.pixels[1]) f.pixels[1] = g.y0;
        if (g.x1 > f.pixels[2]) f.pixels[2] = g.x1;
        if (g.y1 > f.pixels[3]) f.pixels[3] = g.y1;
    }
}

void note_low_box(const Run& run, const Rect& pixels) {
    const Rect& b = run.owner.inner;
    for (const TextBoxFault& f : g_low_boxes)
        if (f.kind == run.owner.kind && f.box[0] == b.x0 && f.box[1] == b.y0 && f.box[2] == b.x1 &&
            f.box[3] == b.y1)
            return;
    g_low_boxes.push_back(fault_record(run, pixels));
}

void on_glyph(const GlyphDrawn& g) {
    Run* run = g_in_run && !g_runs.empty() ? &g_runs.back() : nullptr;
    bool goes_on = false;
    if (run != nullptr && g.first == 0 && !run->lone) goes_on = true;
    if (run != nullptr && g.first == -1 && run->lone && run->font == g.font && run->pen_y == g.pen_y &&
        run->next_pen_x == g.pen_x)
        goes_on = true;
    if (!goes_on) {
        if (g_runs.size() >= MAX_RUNS) g_runs.erase(g_runs.begin(), g_runs.begin() + MAX_RUNS / 2);
        Run fresh{owner_at(g.pen_x, g.pen_y),
                  g.pen_x,
                  g.pen_y,
                  g.font,
                  g.pen_y,
                  g.pen_x,
                  g.first == -1,
                  {},
                  {},
                  g_epoch,
                  0,
                  -1};
        g_runs.push_back(fresh);
        run = &g_runs.back();
        g_in_run = true;
        ++stage().texts;
        if (run->owner.kind[0] == 's') ++stage().free_texts;  // "screen"
    }
    run->text += static_cast<char>(g.c);
    run->next_pen_x = g.pen_x + g.advance;
    if (g.x0 > g.x1) return;
    Rect pixels{g.x0, g.y0, g.x1, g.y1};
    run->glyphs.push_back(pixels);
    const Rect& in = run->owner.inner;
    if (!in.holds(pixels)) {
        // The lowest row of the glyphs on the bottom line of the frame: the box is too low for its
        // font, whatever its text.
        if (in.x0 <= pixels.x0 && pixels.x1 <= in.x1 && in.y0 <= pixels.y0 && pixels.y1 == in.y1 + 1) {
            note_low_box(*run, pixels);
        } else {
            fault_of(run, pixels, nullptr);
        }
    }
    update_fault(*run);
}

uint64_t mix(uint64_t h, int64_t v) {
    return (h ^ static_cast<uint64_t>(v)) * 1099511628211ull;
}

uint64_t gadgets_hash(Layer layer) {
    uint64_t h = 1469598103934665603ull;
    for (const Gadget* g = g_gadget_list; g != nullptr; g = g->next)
        if (counts_on(g, layer)) h = mix(mix(mix(h, reinterpret_cast<intptr_t>(g)), g->left), g->top);
    return mix(h, static_cast<int64_t>(layer));
}

// The screen's buttons, table boxes and other gadgets (a file requester's, say): a new layout is a
// new screen.
uint64_t layout_hash() {
    uint64_t h = 1469598103934665603ull;
    h = mix(h, g_screen_button_last);
    for (int32_t i = 0; i <= g_screen_button_last; ++i) {
        const Gadget& g = g_screen_button_gadgets[i];
        h = mix(mix(mix(mix(h, g.left), g.top), g.width), g.id);
    }
    h = mix(h, g_screen_box_count);
    for (int32_t i = 0; i < g_screen_box_count; ++i) {
        const ScreenBox& b = g_screen_boxes_shown[i];
        h = mix(mix(mix(mix(h, b.x0), b.y0), b.x1), b.y1);
    }
    return mix(h, static_cast<int64_t>(gadgets_hash(Layer::SCREEN)));
}

void drop_runs(Layer layer, uint32_t before_epoch) {
    std::vector<Run> kept;
    kept.reserve(g_runs.size());
    for (Run& r : g_runs)
        if (r.owner.layer != layer || r.epoch >= before_epoch) kept.push_back(std::move(r));
    g_runs.swap(kept);
}

}  // namespace

void text_box_check_start() {
    g_faults.clear();
    g_low_boxes.clear();
    g_stages.clear();
    g_runs.clear();
    g_in_run = false;
    g_epoch = 0;
    g_last_layout = 0;
    g_last_frame = RequesterFrame{1, 0, 0, 0};
    g_last_letter = 0;
    g_glyph_drawn_hook = on_glyph;
}

void text_box_check_stop() {
    g_glyph_drawn_hook = nullptr;
}

void text_box_check_stage(const char* name) {
    if (!g_stages.empty() && g_stages.back().name == name) return;
    g_stages.push_back(TextBoxStage{name});
}

void text_box_check_sleep() {
    g_in_run = false;
    const uint64_t layout = layout_hash();
    if (layout != g_last_layout) {
        g_last_layout = layout;
        if (g_screen_button_last >= 0 || g_screen_box_count > 0) ++stage().screens;
        drop_runs(Layer::SCREEN, g_epoch);
    }
    const RequesterFrame& f = g_requester_frame;
    if (f.x0 != g_last_frame.x0 || f.y0 != g_last_frame.y0 || f.x1 != g_last_frame.x1 ||
        f.y1 != g_last_frame.y1) {
        g_last_frame = f;
        if (requester_up()) ++stage().message_boxes;
        drop_runs(Layer::BOX, g_epoch);
    }
    if (g_letter_up != g_last_letter) {
        g_last_letter = g_letter_up;
        if (g_letter_up != 0) ++stage().letters;
        drop_runs(Layer::LETTER, g_epoch);
    }
    const Layer top = requester_up() ? Layer::BOX : g_letter_up != 0 ? Layer::LETTER : Layer::SCREEN;
    const uint64_t gadgets = gadgets_hash(top);
    for (Run& run : g_runs) {
        if (run.owner.layer != top || run.checked == gadgets || run.fault >= 0) continue;
        run.checked = gadgets;
        for (const Gadget* g = g_gadget_list; g != nullptr && run.fault < 0; g = g->next) {
            if (!counts_on(g, top) || g == run.owner.gadget) continue;
            const Rect r = gadget_rect(g);
            if (r.holds(run.origin_x, run.origin_y)) continue;
            for (const Rect& pixels : run.glyphs) {
                if (!r.meets(pixels)) continue;
                char into[64];
                std::snprintf(into, sizeof into, "%s (%d,%d)-(%d,%d)", gadget_kind(g), r.x0, r.y0, r.x1,
                              r.y1);
                fault_of(&run, pixels, into);
                update_fault(run);
                break;
            }
        }
    }
    ++g_epoch;
}

const std::vector<TextBoxFault>& text_box_faults() {
    return g_faults;
}

const std::vector<TextBoxFault>& text_box_low_boxes() {
    return g_low_boxes;
}

const std::vector<TextBoxStage>& text_box_stages() {
    return g_stages;
}

std::string text_box_fault_line(const TextBoxFault& f) {
    std::string shown;
    for (char c : f.text) {
        auto u = static_cast<uint8_t>(c);
        if (u >= 32 && u < 127) {
            shown += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            shown += hex;
        }
    }
    char line[256];
    std::snprintf(line, sizeof line, "%s: \"%s\" in its %s (%d,%d)-(%d,%d) has pixels at (%d,%d)-(%d,%d)%s%s",
                  f.where.c_str(), shown.c_str(), f.kind.c_str(), f.box[0], f.box[1], f.box[2], f.box[3],
                  f.pixels[0], f.pixels[1], f.pixels[2], f.pixels[3], f.into.empty() ? "" : ", into the ",
                  f.into.c_str());
    return line;
}
