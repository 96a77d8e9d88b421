// The chart tables: their form (the entrance and berths of every harbour, the crossings of every
// open-water chart), London's rows as the game gives them, and what makes a chart fair: no target
// or start box on land, no coast line crossing another, every berth holding the largest ship.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "voyage/charts.h"
#include "voyage/ship_collision.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"

namespace {

struct Point {
    int32_t x, y;
};

struct ParsedChart {
    std::vector<std::vector<Point>> lines;
    std::vector<int32_t> sprites;
};

ParsedChart parse(const int32_t* coast) {
    ParsedChart c;
    c.lines.emplace_back();
    const int32_t* p = coast;
    for (; p[0] != COAST_END; p += 2) {
        if (p[0] == COAST_BREAK) {
            c.lines.emplace_back();
        } else {
            c.lines.back().push_back({p[0], p[1]});
        }
    }
    for (p += 2; !(p[0] == -1 && p[1] == -1 && p[2] == -1); p += 3) c.sprites.push_back(p[2]);
    return c;
}

// Even-odd rule over every polyline taken as closed: a point inside land.
bool on_land(const ParsedChart& c, double x, double y) {
    bool inside = false;
    for (const auto& line : c.lines)
        for (size_t i = 0, j = line.size() - 1; i < line.size(); j = i++) {
            const Point &a = line[i], &b = line[j];
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y))
                inside = !inside;
        }
    return inside;
}

int64_t cross(Point o, Point a, Point b) {
    return static_cast<int64_t>(a.x - o.x) * (b.y - o.y) - static_cast<int64_t>(a.y - o.y) * (b.x - o.x);
}

// Proper crossing: each segment's ends strictly on either side of the other.
bool segments_cross(Point a, Point b, Point c, Point d) {
    int64_t d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool on_segment(Point p, Point a, Point b) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Closed segments that meet, touching or collinear and overlapping included.
bool segments_meet(Point a, Point b, Point c, Point d) {
    int64_t d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    return (d1 == 0 && on_segment(a, c, d)) || (d2 == 0 && on_segment(b, c, d)) || (d3 == 0 && on_segment(c, a, b)) ||
           (d4 == 0 && on_segment(d, a, b));
}

bool segment_meets_box(Point a, Point b, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    Point corners[4] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    auto inside = [&](Point p) { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; };
    if (inside(a) || inside(b)) return true;
    for (int32_t k = 0; k < 4; ++k)
        if (segments_meet(a, b, corners[k], corners[(k + 1) % 4])) return true;
    return false;
}

// The part of a box on the screen, one pixel larger all round, is open water: no coast line
// meets it and its middle is not land.
std::string box_on_land(const ParsedChart& c, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    x0 = std::max(x0, 0) - 1;
    --y0;
    ++x1;
    ++y1;
    for (const auto& line : c.lines)
        for (size_t i = 0; i + 1 < line.size(); ++i)
            if (segment_meets_box(line[i], line[i + 1], x0, y0, x1, y1))
                return "meets the segment " + std::to_string(line[i].x) + "," + std::to_string(line[i].y) + " - " +
                       std::to_string(line[i + 1].x) + "," + std::to_string(line[i + 1].y);
    if (on_land(c, (x0 + x1) / 2.0 + 0.25, (y0 + y1) / 2.0 + 0.25)) return "lies on land";
    return "";
}

std::string lines_cross(const ParsedChart& c) {
    std::vector<std::pair<Point, Point>> segs;
    for (const auto& line : c.lines)
        for (size_t i = 0; i + 1 < line.size(); ++i) segs.push_back({line[i], line[i + 1]});
    for (size_t i = 0; i < segs.size(); ++i)
        for (size_t j = i + 1; j < segs.size(); ++j)
            if (segments_cross(segs[i].first, segs[i].second, segs[j].first, segs[j].second))
                return "segments " + std::to_string(i) + " and " + std::to_string(j) + " cross";
    return "";
}

// Whether the model's outline at heading fits wholly inside the box somewhere.
bool berth_holds(int32_t model, int32_t heading, const int32_t* box) {
    g_sim_outline = ship_outline_for(model);
    for (int32_t y = box[1]; y <= box[3]; ++y)
        for (int32_t x = box[0]; x <= box[2]; ++x) {
            ship_shape_build(x, y, heading);
            const int32_t* b = g_sim_ship_box;
            if (b[0] >= box[0] && b[2] <= box[2] && b[1] >= box[1] && b[3] <= box[3]) return true;
        }
    return false;
}

TEST(Charts, LondonAsTheGameGivesIt) {
    const HarbourMap& m = g_harbour_maps[0];
    const int32_t start_x[4] = {0, 220, 200, 210}, start_y[4] = {120, 159, 121, 62}, heading[4] = {0, 180, 0, 0};
    const int32_t box[4][4] = {{-100, 72, 30, 148}, {170, 151, 250, 163}, {170, 118, 250, 129}, {170, 58, 250, 69}};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(start_x[i], m.start_x[i]);
        EXPECT_EQ(start_y[i], m.start_y[i]);
        EXPECT_EQ(heading[i], m.heading[i]);
        EXPECT_EQ(box[i][0], m.min_x[i]);
        EXPECT_EQ(box[i][1], m.min_y[i]);
        EXPECT_EQ(box[i][2], m.max_x[i]);
        EXPECT_EQ(box[i][3], m.max_y[i]);
    }
    const ReefMap& r0 = g_reef_maps[0];
    const ReefMap& r1 = g_reef_maps[1];
    EXPECT_EQ((std::vector<int32_t>{0, 130, 0, 230, 5, 300, 30, 29}),
              (std::vector<int32_t>{r0.start_x, r0.start_y, r0.heading, r0.min_x, r0.min_y, r0.max_x, r0.max_y, r0.map_style}));
    EXPECT_EQ((std::vector<int32_t>{290, 45, 180, -100, 130, 70, 170, 29}),
              (std::vector<int32_t>{r1.start_x, r1.start_y, r1.heading, r1.min_x, r1.min_y, r1.max_x, r1.max_y, r1.map_style}));
}

TEST(Charts, HarboursHaveTheirEntranceThreeBerthsAndTheirObjects) {
    for (int32_t row = 0; row < HARBOUR_MAP_COUNT; ++row) {
        SCOPED_TRACE("harbour of port " + std::to_string(row + 1));
        const HarbourMap& m = g_harbour_maps[row];
        ParsedChart c = parse(m.coast);
        EXPECT_EQ(27, m.map_style);
        EXPECT_EQ(0, m.start_x[0]);
        EXPECT_EQ(0, m.heading[0]);
        EXPECT_LT(m.min_x[0], 0);
        for (int32_t i = 1; i < 4; ++i) {
            EXPECT_TRUE(m.heading[i] == 0 || m.heading[i] == 90 || m.heading[i] == 180 || m.heading[i] == 270);
            EXPECT_GT(m.min_x[i], 0);
        }
        EXPECT_GE(c.lines.size(), 1u);
        EXPECT_LE(c.lines.size(), 3u);
        EXPECT_GE(c.sprites.size(), 13u);
        EXPECT_LE(c.sprites.size(), 50u);
        EXPECT_NE(c.sprites.end(), std::find(c.sprites.begin(), c.sprites.end(), 0)) << "the hourglass";
        for (int32_t s : c.sprites) EXPECT_TRUE(s >= 0 && s <= 75) << s;
        // the screen's frame is part of the outer coast line
        bool frame = false;
        for (const auto& line : c.lines)
            for (const Point& p : line) frame = frame || (p.x == 0 && p.y == 0);
        EXPECT_TRUE(frame);
    }
}

TEST(Charts, OpenWaterChartsComeInPairsOfCrossings) {
    for (int32_t row = 0; row < REEF_MAP_COUNT; ++row) {
        SCOPED_TRACE("open-water row " + std::to_string(row));
        const ReefMap& m = g_reef_maps[row];
        int32_t style = row < 6 ? 29 : row < 10 ? 30 : 28;
        EXPECT_EQ(style, m.map_style);
        EXPECT_EQ(g_reef_maps[row & ~1].coast, m.coast) << "one chart for both rows of a pair";
        if (row % 2 == 0) {
            EXPECT_EQ(0, m.start_x);
            EXPECT_EQ(0, m.heading);
            EXPECT_LT(m.max_y, 75) << "finishing above the panel";
        } else {
            EXPECT_EQ(180, m.heading);
            EXPECT_LT(m.min_x, 0);
        }
        ParsedChart c = parse(m.coast);
        EXPECT_GE(c.lines.size(), 4u);
        EXPECT_LE(c.lines.size(), 9u);
        for (const auto& line : c.lines) {
            EXPECT_EQ(line.front().x, line.back().x) << "closed";
            EXPECT_EQ(line.front().y, line.back().y) << "closed";
        }
        EXPECT_EQ(std::vector<int32_t>{0}, c.sprites) << "the hourglass alone";
    }
}

TEST(Charts, NoCoastLineCrossesAnother) {
    for (int32_t row = 0; row < HARBOUR_MAP_COUNT; ++row)
        EXPECT_EQ("", lines_cross(parse(g_harbour_maps[row].coast))) << "harbour of port " << row + 1;
    for (int32_t row = 0; row < REEF_MAP_COUNT; row += 2)
        EXPECT_EQ("", lines_cross(parse(g_reef_maps[row].coast))) << "open-water row " << row;
}

TEST(Charts, TargetBoxesAndStartsLieInOpenWater) {
    for (int32_t row = 0; row < HARBOUR_MAP_COUNT; ++row) {
        const HarbourMap& m = g_harbour_maps[row];
        ParsedChart c = parse(m.coast);
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_EQ("", box_on_land(c, m.min_x[i], m.min_y[i], m.max_x[i], m.max_y[i]))
                << "harbour of port " << row + 1 << ", target " << i;
            for (int32_t model : {1, 2, 3}) {
                g_sim_outline = ship_outline_for(model);
                ship_shape_build(m.start_x[i], m.start_y[i], m.heading[i]);
                const int32_t* b = g_sim_ship_box;
                EXPECT_EQ("", box_on_land(c, b[0], b[1], b[2], b[3]))
                    << "harbour of port " << row + 1 << ", start " << i << ", model " << model;
            }
        }
    }
    for (int32_t row = 0; row < REEF_MAP_COUNT; ++row) {
        const ReefMap& m = g_reef_maps[row];
        ParsedChart c = parse(m.coast);
        EXPECT_EQ("", box_on_land(c, m.min_x, m.min_y, m.max_x, m.max_y)) << "open-water row " << row;
        for (int32_t model : {1, 2, 3}) {
            g_sim_outline = ship_outline_for(model);
            ship_shape_build(m.start_x, m.start_y, m.heading);
            const int32_t* b = g_sim_ship_box;
            EXPECT_EQ("", box_on_land(c, b[0], b[1], b[2], b[3])) << "open-water row " << row << ", model " << model;
        }
    }
}

// Every target of a harbour lies in the water the entrance opens into.
TEST(Charts, EveryBerthCanBeReachedFromTheEntrance) {
    for (int32_t row = 0; row < HARBOUR_MAP_COUNT; ++row) {
        const HarbourMap& m = g_harbour_maps[row];
        ParsedChart c = parse(m.coast);
        std::vector<char> water(320 * 200, 0), seen(320 * 200, 0);
        for (int32_t y = 0; y < 200; ++y)
            for (int32_t x = 0; x < 320; ++x) water[static_cast<size_t>(y * 320 + x)] = on_land(c, x + 0.5, y + 0.5) ? 0 : 1;
        std::vector<int32_t> queue{m.start_y[0] * 320 + 1};
        seen[static_cast<size_t>(queue[0])] = 1;
        for (size_t k = 0; k < queue.size(); ++k) {
            int32_t x = queue[k] % 320, y = queue[k] / 320;
            const int32_t next[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& n : next) {
                int32_t nx = x + n[0], ny = y + n[1];
                if (nx < 0 || ny < 0 || nx >= 320 || ny >= 200) continue;
                size_t at = static_cast<size_t>(ny * 320 + nx);
                if (seen[at] || !water[at]) continue;
                seen[at] = 1;
                queue.push_back(ny * 320 + nx);
            }
        }
        for (int32_t i = 1; i < 4; ++i) {
            int32_t x = (m.min_x[i] + m.max_x[i]) / 2, y = (m.min_y[i] + m.max_y[i]) / 2;
            EXPECT_TRUE(seen[static_cast<size_t>(y * 320 + x)]) << "harbour of port " << row + 1 << ", berth " << i;
        }
    }
}

TEST(Charts, EveryBerthHoldsTheLargestShipAtItsHeading) {
    for (int32_t row = 0; row < HARBOUR_MAP_COUNT; ++row)
        for (int32_t i = 1; i < 4; ++i) {
            const HarbourMap& m = g_harbour_maps[row];
            const int32_t box[4] = {m.min_x[i], m.min_y[i], m.max_x[i], m.max_y[i]};
            EXPECT_TRUE(berth_holds(1, m.heading[i], box)) << "harbour of port " << row + 1 << ", berth " << i;
        }
}

}  // namespace
