// The build-time check of one build's texts (run from the data directory, after the fonts are made):
// every text present, the same printf conversions in the same order as English, every character
// drawable through the build's character table and font, every text within its pixel budget in the
// generated fonts (lang/budgets.def, measured with worst-case arguments), one line per text, and a
// budget for every id. Prints each fault as "language id: problem" and exits 1 on any fault; at the
// end it prints the number of texts and the tightest fit.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/charset.h"
#include "engine/font.h"
#include "lang/encode.h"
#include "lang/format_conversions.h"
#include "lang/lang.h"

extern const TextEntry* g_texts_en;
extern const TextEntry* LANGUAGE_TEXTS;

namespace {

enum BudgetFont : int32_t { FONT_NONE, FONT_SYS8, FONT_SYS13, FONT_SYS7B, FONT_SYS8B, FONT_COUNT };

// A max_px of CHARTER_CANCEL is the build's charter cancel width less the 3 px of the button face.
constexpr int32_t CHARTER_CANCEL = -1;

struct Budget {
    TextId id;
    BudgetFont font;
    int32_t max_px;
    int32_t max_lines;
    // The worst-case arguments, one per conversion, separated by '|': digits and words as they are,
    // @name a 10-letter name, @port and @cargo every port or cargo name of the build, @million the
    // build's "Million", @version the game's version. "-" marks a text that is never formatted, whose
    // "%" signs are plain characters.
    const char* args;
};

const Budget kBudgets[] = {
#define BUDGET(id, font, px, lines, args) {id, FONT_##font, px, lines, args},
#include "lang/budgets.def"
#undef BUDGET
};

const char* const kIdNames[] = {
#define TEXT(id) #id,
#include "lang/text_ids.def"
#undef TEXT
};

const char* const kFontFiles[FONT_COUNT] = {nullptr, "sys8.fnt", "sys13.fnt", "sys7b.fnt", "sys8b.fnt"};
Font g_fonts[FONT_COUNT];

const char* g_code = "";
int32_t g_faults = 0;

void fault(TextId id, const std::string& problem) {
    std::printf("%s %s: %s\n", g_code, id < TEXT_COUNT ? kIdNames[id] : "?", problem.c_str());
    ++g_faults;
}

// Letters that the fonts keep in another Latin-1 slot (the lower-case shapes of o, u with accents
// drawn where the capitals would be), and o with stroke written as the common table's 237.
struct GlyphSlot {
    uint32_t ch;
    uint8_t font_code;
};
const GlyphSlot kGlyphSlots[] = {{0xF4, 212}, {0xFB, 219}, {0xF9, 217}, {0xF3, 211}};

bool draws_as_intended(uint32_t ch, uint8_t font_code) {
    if (ch == font_code) return true;
    for (const GlyphSlot& s : kGlyphSlots)
        if (s.ch == ch && s.font_code == font_code) return true;
    return false;
}

// True when the font has a glyph of its own for the (translated) code: within its range, and with
// ink unless it is the blank.
bool font_has_glyph(const Font& font, uint8_t code) {
    uint32_t lo = font.header[32];
    uint32_t hi = font.header[33];
    if (code < lo || code > hi) return false;
    if (code == ' ') return true;
    const uint8_t* location = font.data + font.loc_off + 4 * (code - lo);
    return ((location[2] << 8) | location[3]) > 0;
}

uint32_t line_count(const char* text) {
    uint32_t n = 1;
    for (const char* p = text; *p != '\0'; ++p) n += *p == '\n';
    return n;
}

std::vector<std::string> split_args(const char* args) {
    std::vector<std::string> out;
    if (*args == '\0') return out;
    std::string cur;
    for (const char* p = args;; ++p) {
        if (*p == '|' || *p == '\0') {
            out.push_back(cur);
            cur.clear();
            if (*p == '\0') break;
        } else {
            cur += *p;
        }
    }
    return out;
}

// The candidates of one argument (several for @port and @cargo).
std::vector<std::string> candidates(const std::string& arg) {
    std::vector<std::string> out;
    if (arg == "@name") {
        out.push_back("Mmmmmmmmmm");
    } else if (arg == "@port") {
        for (uint32_t id = TXT_PORT_LONDON; id <= TXT_PORT_HOUSTON; ++id) out.push_back(lang_text(static_cast<TextId>(id)));
    } else if (arg == "@cargo") {
        for (uint32_t id = TXT_CARGO_AGRIC_PRODUCE; id <= TXT_CARGO_BALLAST; ++id)
            out.push_back(lang_text(static_cast<TextId>(id)));
    } else if (arg == "@million") {
        out.push_back(lang_text(TXT_STATUS_MILLION));
    } else if (arg == "@version") {
        out.push_back(MARIVANE_VERSION);
    } else {
        out.push_back(arg);
    }
    return out;
}

// The text with each conversion replaced by its argument (width and precision of %s applied).
std::string code_point(uint32_t ch) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(ch));
    return text;
}

std::string fill(const char* text, const FormatConversion* conv, const std::vector<std::string>& args) {
    std::string out;
    uint32_t k = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        if (p[1] == '%') {
            out += '%';
            ++p;
            continue;
        }
        std::string arg = k < args.size() ? args[k] : "";
        const char* dot = std::strchr(conv[k].written, '.');
        if (conv[k].conversion == 's' && dot != nullptr) {
            size_t precision = static_cast<size_t>(std::atoi(dot + 1));
            if (arg.size() > precision) arg.resize(precision);
        }
        int32_t width = std::atoi(conv[k].written + 1 + (conv[k].written[1] == '-'));
        while (static_cast<int32_t>(arg.size()) < width) arg.insert(arg.begin(), ' ');
        out += arg;
        p += std::strlen(conv[k].written) - 1;
        ++k;
    }
    return out;
}

// The widest filled text over every combination of the candidates.
int32_t widest(const Font& font, const char* text, const FormatConversion* conv,
               const std::vector<std::vector<std::string>>& cands, std::vector<std::string>* chosen, size_t k,
               std::string* worst) {
    if (k == cands.size()) {
        std::string filled = fill(text, conv, *chosen);
        int32_t w = font_text_width(&font, filled.c_str());
        if (w >= 0 && worst->empty()) *worst = filled;
        return w;
    }
    int32_t best = -1;
    for (const std::string& c : cands[k]) {
        (*chosen)[k] = c;
        std::string here;
        int32_t w = widest(font, text, conv, cands, chosen, k + 1, &here);
        if (w > best) best = w, *worst = here;
    }
    return best;
}

struct Tightest {
    TextId id = TEXT_COUNT;
    int32_t spare = 1 << 30;
    int32_t max_px = 0;
};

void check_characters(TextId id, const char* text, bool ascii_only, uint32_t mode, const bool* fonts) {
    for (const char* p = text; *p != '\0';) {
        uint32_t ch = lang_utf8_next(&p);
        if (ch == LANG_UTF8_INVALID) {
            fault(id, "not UTF-8");
            return;
        }
        if (ch < 32 && ch != '\n') {
            fault(id, "a control character " + std::to_string(ch));
            continue;
        }
        if (ascii_only && ch >= 127) {
            fault(id, "printed before any font exists, so ASCII only; has " + code_point(ch));
            continue;
        }
        int32_t byte = lang_encode_char(mode, ch);
        if (byte < 0) {
            fault(id, "character " + code_point(ch) + " has no byte in the build's code page");
            continue;
        }
        uint8_t code = static_cast<uint8_t>(byte);
        if (code >= 128) {
            code = charset_table(mode)[code - 128];
            if (!draws_as_intended(ch, code))
                fault(id, "character " + code_point(ch) + " draws as Latin-1 " + std::to_string(code));
        }
        for (int32_t f = FONT_SYS8; f < FONT_COUNT; ++f)
            if (fonts[f] && code != '\n' && !font_has_glyph(g_fonts[f], code))
                fault(id, "character " + code_point(ch) + " has no glyph in " + kFontFiles[f]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        std::printf("usage: lang_check_<language> (run in the data directory)\n"
                    "Checks the build's texts against English, its code page, its fonts and its budgets.\n");
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "lang_check: unknown option %s\nusage: lang_check_<language> (run in the data directory)\n",
                     argv[1]);
        return 2;
    }
    const LanguageSettings& settings = lang_settings();
    g_code = settings.code;
    for (int32_t f = FONT_SYS8; f < FONT_COUNT; ++f)
        if (font_load(kFontFiles[f], &g_fonts[f]) != 1) {
            std::printf("%s: cannot load %s (run in the data directory)\n", g_code, kFontFiles[f]);
            return 1;
        }
    font_set_charset(settings.charset_mode);

    std::vector<std::vector<const Budget*>> by_id(TEXT_COUNT);
    for (const Budget& b : kBudgets) {
        if (b.id >= TEXT_COUNT) continue;
        by_id[b.id].push_back(&b);
    }
    Tightest tightest;
    for (uint32_t i = 0; i < TEXT_COUNT; ++i) {
        const TextId id = static_cast<TextId>(i);
        const char* raw = LANGUAGE_TEXTS[i].text;
        const char* english = g_texts_en[i].text;
        if (LANGUAGE_TEXTS[i].id != id || raw == nullptr) {
            fault(id, "missing or out of order");
            continue;
        }
        if (by_id[i].empty()) {
            fault(id, "no budget in lang/budgets");
            continue;
        }
        bool fonts[FONT_COUNT] = {};
        bool ascii_only = false;
        bool literal = false;
        for (const Budget* b : by_id[i]) {
            fonts[b->font] = true;
            ascii_only |= b->font == FONT_NONE;
            literal |= std::strcmp(b->args, "-") == 0;
        }
        check_characters(id, raw, ascii_only, settings.charset_mode, fonts);
        if (line_count(raw) != line_count(english))
            fault(id, "has " + std::to_string(line_count(raw)) + " lines, English " + std::to_string(line_count(english)));

        FormatConversion conv[FORMAT_MAX_CONVERSIONS];
        FormatConversion conv_en[FORMAT_MAX_CONVERSIONS];
        int32_t n = 0;
        if (!literal) {
            n = format_conversions(raw, conv);
            int32_t n_en = format_conversions(english, conv_en);
            if (n < 0 || n_en < 0) {
                fault(id, "a conversion the game never passes (or a bare %)");
                continue;
            }
            bool same = n == n_en;
            for (int32_t k = 0; same && k < n; ++k) same = std::strcmp(conv[k].written, conv_en[k].written) == 0;
            if (!same) {
                std::string a, e;
                for (int32_t k = 0; k < n; ++k) a += std::string(conv[k].written) + " ";
                for (int32_t k = 0; k < n_en; ++k) e += std::string(conv_en[k].written) + " ";
                fault(id, "conversions [" + a + "] differ from English [" + e + "]");
                continue;
            }
        }
        const char* encoded = lang_text(id);
        for (const Budget* b : by_id[i]) {
            if (static_cast<int32_t>(line_count(raw)) > b->max_lines)
                fault(id, "more lines than the budget's " + std::to_string(b->max_lines));
            if (b->font == FONT_NONE) continue;
            int32_t max_px = b->max_px == CHARTER_CANCEL ? settings.charter_cancel_width - 3 : b->max_px;
            std::vector<std::string> args = literal ? std::vector<std::string>{} : split_args(b->args);
            if (static_cast<int32_t>(args.size()) != n) {
                fault(id, "the budget gives " + std::to_string(args.size()) + " sample arguments for " +
                              std::to_string(n) + " conversions");
                continue;
            }
            std::vector<std::vector<std::string>> cands;
            for (const std::string& a : args) cands.push_back(candidates(a));
            std::vector<std::string> chosen(cands.size());
            std::string worst;
            int32_t w = literal ? font_text_width(&g_fonts[b->font], encoded)
                                : widest(g_fonts[b->font], encoded, conv, cands, &chosen, 0, &worst);
            if (literal) worst = encoded;
            if (w > max_px)
                fault(id, "\"" + std::string(raw) + "\" is " + std::to_string(w) + " px in " + kFontFiles[b->font] +
                              ", budget " + std::to_string(max_px));
            else if (max_px - w < tightest.spare && encoded[0] != '\0')
                tightest = Tightest{id, max_px - w, max_px};
        }
    }
    for (const Budget& b : kBudgets)
        if (b.id >= TEXT_COUNT) fault(b.id, "budget for an unknown id");

    // Warnings: port names whose first three letters (the status line and locator show only those)
    // are the same.
    for (uint32_t a = TXT_PORT_LONDON; a <= TXT_PORT_HOUSTON; ++a)
        for (uint32_t b = a + 1; b <= TXT_PORT_HOUSTON; ++b)
            if (std::strncmp(lang_text(static_cast<TextId>(a)), lang_text(static_cast<TextId>(b)), 3) == 0)
                std::printf("%s warning: %s and %s begin with the same three letters\n", g_code, kIdNames[a],
                            kIdNames[b]);

    // Warnings: a yes or no caption that begins with a key of the other meaning in this build (the
    // English "Continue" of the time question begins with c, which is no).
    const TextId yes_captions[] = {TXT_LOAD_YES, TXT_QUIT_YES, TXT_TIME_CONTINUE, TXT_END_YES, TXT_REGISTER_YES,
                                   TXT_HV_YES,   TXT_HV_DO_IT, TXT_HV_OK_YES,     TXT_REPAIR_YES};
    const TextId no_captions[] = {TXT_LOAD_NO,     TXT_QUIT_NO, TXT_TIME_QUIT, TXT_END_NO,
                                  TXT_REGISTER_NO, TXT_HV_NO,   TXT_HV_OH_NO,  TXT_REPAIR_NO};
    std::string yes_keys = std::string("ojsy") + settings.extra_yes;
    std::string no_keys = std::string("cn") + settings.extra_no;
    auto first_key = [](TextId id) {
        const char* p = lang_text(id);
        while (*p == ' ') ++p;
        return static_cast<char>(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p);
    };
    for (TextId id : yes_captions)
        if (no_keys.find(first_key(id)) != std::string::npos)
            std::printf("%s warning: the yes caption %s begins with a no key\n", g_code, kIdNames[id]);
    for (TextId id : no_captions)
        if (yes_keys.find(first_key(id)) != std::string::npos)
            std::printf("%s warning: the no caption %s begins with a yes key\n", g_code, kIdNames[id]);

    if (g_faults > 0) {
        std::printf("%s: %d faults in the texts\n", g_code, g_faults);
        return 1;
    }
    std::printf("%s: %u texts fit; tightest %s, %d px to spare of %d\n", g_code, static_cast<unsigned>(TEXT_COUNT),
                tightest.id < TEXT_COUNT ? kIdNames[tightest.id] : "-", tightest.spare, tightest.max_px);
    return 0;
}
