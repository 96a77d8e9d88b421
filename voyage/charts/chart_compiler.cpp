// chart_compiler <harbour chart file> <open-water chart file> <output .cpp>: turns the two chart
// files into the static tables g_harbour_maps and g_reef_maps. It checks the form of the files
// (every row present once, the counts each kind of chart allows, sprite numbers of the sheet) and
// stops the build with the file's line on any fault; whether a chart can be sailed is the tests'.
//
// Both files are words and whole numbers; '#' starts a comment to the end of the line.
//   harbour <port 1..28> <name>           a harbour chart (the name is the rest of the line)
//   entrance <x> <y> box <x0 y0 x1 y1>    index 0: start heading 0, its target box
//   berth <x> <y> <heading> box <...>     indexes 1..3, in order
//   waters <even row> ice|reef|shoals     an open-water chart, rows <even row> and the next
//   east <x> <y> box <...>                the even row: from the left, heading 0
//   west <x> <y> box <...>                the odd row: from the right, heading 180
//   polyline <x y ...>                    a coast polyline as written
//   polygon <x y ...>                     a closed one: the first point is repeated at its end
//   objects <x y sprite ...>              sprites of the sheet placed on the chart
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Token {
    std::string text;
    int line;
};

struct Chart {
    int row = -1;  // harbour: port - 1; waters: the even row
    std::string name;
    int style = 27;
    int sx[4] = {}, sy[4] = {}, heading[4] = {}, box[4][4] = {};
    int starts = 0;
    std::vector<std::vector<int>> lines;  // points x, y
    std::vector<int> objects;             // triples
    int line = 0;
};

std::string g_file;

[[noreturn]] void fail(int line, const std::string& what) {
    std::fprintf(stderr, "%s:%d: %s\n", g_file.c_str(), line, what.c_str());
    std::exit(1);
}

bool is_number(const std::string& s) {
    size_t i = (s[0] == '-') ? 1 : 0;
    if (i >= s.size()) return false;
    for (; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

// Reads the file as tokens; the name after "harbour <n>" is kept whole as one token.
std::vector<Token> read_tokens(const std::string& path) {
    std::ifstream in(path);
    if (!in) fail(0, "cannot open");
    std::vector<Token> out;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        size_t hash = text.find('#');
        if (hash != std::string::npos) text.resize(hash);
        std::istringstream words(text);
        std::string w;
        while (words >> w) {
            out.push_back({w, line});
            if (w == "harbour") {
                std::string n, rest;
                if (!(words >> n)) fail(line, "harbour without its port number");
                out.push_back({n, line});
                std::getline(words, rest);
                size_t a = rest.find_first_not_of(' '), b = rest.find_last_not_of(' ');
                if (a == std::string::npos) fail(line, "harbour without a name");
                out.push_back({rest.substr(a, b - a + 1), line});
            }
        }
    }
    return out;
}

struct Reader {
    std::vector<Token> tokens;
    size_t at = 0;
    bool done() const { return at >= tokens.size(); }
    bool number_next() const { return !done() && is_number(tokens[at].text); }
    int line() const { return done() ? tokens.back().line : tokens[at].line; }
    int number(const char* what) {
        if (!number_next()) fail(line(), std::string("expected ") + what);
        return std::atoi(tokens[at++].text.c_str());
    }
    std::string word() {
        if (done()) fail(line(), "unexpected end");
        return tokens[at++].text;
    }
};

void read_box(Reader& r, Chart& c, int i) {
    if (r.word() != "box") fail(r.line(), "expected box");
    for (int k = 0; k < 4; ++k) c.box[i][k] = r.number("box corner");
    if (c.box[i][0] >= c.box[i][2] || c.box[i][1] >= c.box[i][3]) fail(r.line(), "box corners out of order");
}

void read_points(Reader& r, Chart& c, bool closed) {
    int line = r.line();
    std::vector<int> pts;
    while (r.number_next()) pts.push_back(r.number("coordinate"));
    if (pts.size() % 2 != 0) fail(line, "odd number of coordinates");
    if (pts.size() < 4) fail(line, "a coast line needs two points at least");
    for (size_t i = 0; i < pts.size(); i += 2)
        if (pts[i] < 0 || pts[i] > 319 || pts[i + 1] < 0 || pts[i + 1] > 199)
            fail(line, "coast point outside the screen");
    if (closed) {
        pts.push_back(pts[0]);
        pts.push_back(pts[1]);
    }
    c.lines.push_back(pts);
}

// Common words of both kinds; false when the word is not one of them.
bool read_common(Reader& r, Chart& c, const std::string& w) {
    if (w == "polyline" || w == "polygon") {
        read_points(r, c, w == "polygon");
        return true;
    }
    if (w == "objects") {
        int line = r.line();
        int n = 0;
        while (r.number_next()) {
            int v = r.number("object");
            if (n % 3 == 2 && (v < 0 || v > 75)) fail(line, "no such sprite: the charts use rows 0..75 of the sheet");
            c.objects.push_back(v);
            ++n;
        }
        if (n % 3 != 0) fail(line, "objects come in triples x, y, sprite");
        return true;
    }
    return false;
}

std::vector<Chart> read_harbours(const std::string& path) {
    g_file = path;
    Reader r{read_tokens(path)};
    std::vector<Chart> charts;
    while (!r.done()) {
        int line = r.line();
        std::string w = r.word();
        if (w == "harbour") {
            Chart c;
            c.line = line;
            c.row = r.number("port") - 1;
            if (c.row < 0 || c.row > 27) fail(line, "port outside 1..28");
            c.name = r.word();
            charts.push_back(c);
            continue;
        }
        if (charts.empty()) fail(line, "expected harbour");
        Chart& c = charts.back();
        if (w == "entrance") {
            if (c.starts != 0) fail(line, "the entrance comes first");
            c.sx[0] = r.number("x");
            c.sy[0] = r.number("y");
            c.heading[0] = 0;
            read_box(r, c, 0);
            c.starts = 1;
        } else if (w == "berth") {
            if (c.starts < 1 || c.starts > 3) fail(line, "berths 1..3 follow the entrance");
            int i = c.starts++;
            c.sx[i] = r.number("x");
            c.sy[i] = r.number("y");
            c.heading[i] = r.number("heading");
            if (c.heading[i] % 90 != 0 || c.heading[i] < 0 || c.heading[i] > 270)
                fail(line, "a berth heading is 0, 90, 180 or 270");
            read_box(r, c, i);
        } else if (!read_common(r, c, w)) {
            fail(line, "unknown word " + w);
        }
    }
    std::vector<Chart> rows(28);
    for (const Chart& c : charts) {
        if (rows[c.row].row >= 0) fail(c.line, "port given twice");
        if (c.starts != 4) fail(c.line, "a harbour has its entrance and three berths");
        if (c.lines.empty() || c.lines.size() > 3) fail(c.line, "a harbour has one to three coast polylines");
        size_t objects = c.objects.size() / 3;
        if (objects < 13 || objects > 50) fail(c.line, "a harbour has 13 to 50 objects");
        if (c.sx[0] != 0 || c.box[0][0] >= 0) fail(c.line, "the entrance starts at x 0, its box past the left edge");
        rows[c.row] = c;
    }
    for (int i = 0; i < 28; ++i)
        if (rows[i].row < 0) fail(0, "harbour of port " + std::to_string(i + 1) + " missing");
    return rows;
}

std::vector<Chart> read_waters(const std::string& path) {
    g_file = path;
    Reader r{read_tokens(path)};
    std::vector<Chart> charts;
    while (!r.done()) {
        int line = r.line();
        std::string w = r.word();
        if (w == "waters") {
            Chart c;
            c.line = line;
            c.row = r.number("row");
            if (c.row < 0 || c.row > 10 || c.row % 2 != 0) fail(line, "the first row of a pair is 0, 2, .. 10");
            std::string kind = r.word();
            c.style = kind == "ice" ? 29 : kind == "reef" ? 30 : kind == "shoals" ? 28 : 0;
            if (c.style == 0) fail(line, "ice, reef or shoals");
            charts.push_back(c);
            continue;
        }
        if (charts.empty()) fail(line, "expected waters");
        Chart& c = charts.back();
        if (w == "east" || w == "west") {
            int i = w == "east" ? 0 : 1;
            c.sx[i] = r.number("x");
            c.sy[i] = r.number("y");
            c.heading[i] = i == 0 ? 0 : 180;
            read_box(r, c, i);
            c.starts |= 1 << i;
        } else if (!read_common(r, c, w)) {
            fail(line, "unknown word " + w);
        }
    }
    std::vector<Chart> pairs(6);
    for (const Chart& c : charts) {
        Chart& slot = pairs[c.row / 2];
        if (slot.row >= 0) fail(c.line, "rows given twice");
        if (c.starts != 3) fail(c.line, "a crossing each way: east and west");
        if (c.lines.size() < 4 || c.lines.size() > 9) fail(c.line, "four to nine polygons");
        for (const auto& l : c.lines)
            if (l[0] != l[l.size() - 2] || l[1] != l[l.size() - 1]) fail(c.line, "open-water polygons are closed");
        if (c.objects.size() != 3 || c.objects[2] != 0) fail(c.line, "the one object is the hourglass");
        if (c.box[0][3] >= 75) fail(c.line, "the east crossing finishes above the panel");
        if (c.box[1][0] >= 0) fail(c.line, "the west crossing's box reaches past the left edge");
        slot = c;
    }
    for (int i = 0; i < 6; ++i)
        if (pairs[i].row < 0) fail(0, "open-water rows " + std::to_string(2 * i) + " missing");
    return pairs;
}

void write_coast(std::ostream& out, const std::string& name, const Chart& c) {
    out << "constexpr int32_t " << name << "[] = {\n";
    for (size_t i = 0; i < c.lines.size(); ++i) {
        out << "   ";
        for (int v : c.lines[i]) out << ' ' << v << ',';
        out << (i + 1 < c.lines.size() ? " -2, -2,\n" : " -1, -1,\n");
    }
    out << "   ";
    for (int v : c.objects) out << ' ' << v << ',';
    out << " -1, -1, -1,\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <harbours> <open water> <output>\n", argv[0]);
        return 2;
    }
    std::vector<Chart> harbours = read_harbours(argv[1]);
    std::vector<Chart> waters = read_waters(argv[2]);
    std::ostringstream out;
    out << "// Made by chart_compiler from the chart files; edit those instead.\n"
           "#include \"voyage/charts.h\"\n\nnamespace {\n\n";
    for (int i = 0; i < 28; ++i) write_coast(out, "HARBOUR_" + std::to_string(i + 1), harbours[i]);
    for (int i = 0; i < 6; ++i) write_coast(out, "WATERS_" + std::to_string(2 * i), waters[i]);
    out << "\n}  // namespace\n\nconst HarbourMap g_harbour_maps[HARBOUR_MAP_COUNT] = {\n";
    for (int i = 0; i < 28; ++i) {
        const Chart& c = harbours[i];
        out << "    // " << c.name << "\n    {{";
        auto four = [&](auto get) {
            for (int k = 0; k < 4; ++k) out << get(k) << (k < 3 ? ", " : "");
        };
        four([&](int k) { return c.sx[k]; });
        out << "}, {";
        four([&](int k) { return c.sy[k]; });
        out << "}, {";
        four([&](int k) { return c.heading[k]; });
        for (int corner = 0; corner < 4; ++corner) {
            out << "}, {";
            four([&](int k) { return c.box[k][corner]; });
        }
        out << "}, 27, HARBOUR_" << i + 1 << "},\n";
    }
    out << "};\n\nconst ReefMap g_reef_maps[REEF_MAP_COUNT] = {\n";
    for (int i = 0; i < 6; ++i)
        for (int k = 0; k < 2; ++k) {
            const Chart& c = waters[i];
            out << "    {" << c.sx[k] << ", " << c.sy[k] << ", " << c.heading[k] << ", " << c.box[k][0] << ", "
                << c.box[k][1] << ", " << c.box[k][2] << ", " << c.box[k][3] << ", " << c.style << ", WATERS_"
                << 2 * i << "},\n";
        }
    out << "};\n";
    std::ofstream file(argv[3], std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}
