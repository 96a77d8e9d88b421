#include "tests/voyage/pilot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <queue>

#include "engine/draw.h"
#include "engine/frame.h"

#include "engine/input.h"
#include "host/headless_host.h"
#include "voyage/charts.h"
#include "voyage/control_panel.h"
#include "voyage/manoeuvre.h"
#include "voyage/ship_motion.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int32_t GW = 160, GH = 100;  // planning grid of 2-pixel cells

struct Seg {
    double ax, ay, bx, by;
};

double wrap180(double a) {
    while (a > 180) a -= 360;
    while (a <= -180) a += 360;
    return a;
}

double heading_to(PilotPoint from, PilotPoint to) { return std::atan2(to.y - from.y, to.x - from.x) * 180 / PI; }

double seg_dist(double px, double py, const Seg& s) {
    double dx = s.bx - s.ax, dy = s.by - s.ay, l = dx * dx + dy * dy;
    double t = l == 0 ? 0 : std::clamp(((px - s.ax) * dx + (py - s.ay) * dy) / l, 0.0, 1.0);
    return std::hypot(px - s.ax - t * dx, py - s.ay - t * dy);
}

// The chart as the pilot sees it: its coast segments and, per cell, the room to the nearest coast.
struct Chart {
    std::vector<Seg> segs;
    std::vector<std::vector<PilotPoint>> lines;
    std::vector<float> room;  // GW x GH
    bool land(double x, double y) const {
        bool in = false;
        for (const auto& l : lines)
            for (size_t i = 0, j = l.size() - 1; i < l.size(); j = i++)
                if ((l[i].y > y) != (l[j].y > y) && x < l[i].x + (y - l[i].y) * (l[j].x - l[i].x) / (l[j].y - l[i].y))
                    in = !in;
        return in;
    }
    double room_at(double x, double y) const {
        int32_t i = std::clamp(static_cast<int32_t>(x / 2), 0, GW - 1), j = std::clamp(static_cast<int32_t>(y / 2), 0, GH - 1);
        return room[static_cast<size_t>(j * GW + i)];
    }
};

Chart load_chart(const int32_t* coast, bool open_water) {
    Chart c;
    c.lines.emplace_back();
    for (const int32_t* p = coast; p[0] != COAST_END; p += 2) {
        if (p[0] == COAST_BREAK) {
            c.lines.emplace_back();
            continue;
        }
        c.lines.back().push_back({static_cast<double>(p[0]), static_cast<double>(p[1])});
    }
    for (const auto& l : c.lines)
        for (size_t i = 0; i + 1 < l.size(); ++i) c.segs.push_back({l[i].x, l[i].y, l[i + 1].x, l[i + 1].y});
    // the control panel is no obstacle of the charts, but nobody steers under it
    c.segs.push_back({275, 75, 319, 75});
    c.segs.push_back({275, 75, 275, 199});
    c.room.assign(GW * GH, 0);
    for (int32_t j = 0; j < GH; ++j)
        for (int32_t i = 0; i < GW; ++i) {
            double x = 2 * i + 1, y = 2 * j + 1;
            if (c.land(x, y) || (x >= 275 && y >= 75)) continue;
            double d = 1e9;
            for (const Seg& s : c.segs) d = std::min(d, seg_dist(x, y, s));
            if (open_water) d = std::min({d, x + 6, 325 - x, y + 6, 205 - y});
            c.room[static_cast<size_t>(j * GW + i)] = static_cast<float>(d);
        }
    return c;
}

bool line_clear(const Chart& c, PilotPoint a, PilotPoint b, double need) {
    double len = std::hypot(b.x - a.x, b.y - a.y);
    int32_t n = std::max(1, static_cast<int32_t>(len));
    for (int32_t k = 0; k <= n; ++k) {
        double t = static_cast<double>(k) / n;
        if (c.room_at(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)) < need) return false;
    }
    return true;
}

// The cheapest way between two points through cells with room for the ship, kept to the middle
// of the water; then cut into straight legs.
std::vector<PilotPoint> find_way(const Chart& c, PilotPoint from, PilotPoint to, double need, std::string* why) {
    auto cell = [](PilotPoint p) {
        return std::clamp(static_cast<int32_t>(p.y / 2), 0, GH - 1) * GW + std::clamp(static_cast<int32_t>(p.x / 2), 0, GW - 1);
    };
    int32_t s = cell(from), g = cell(to);
    std::vector<double> cost(GW * GH, 1e18);
    std::vector<int32_t> back(GW * GH, -1);
    using Item = std::pair<double, int32_t>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
    cost[static_cast<size_t>(s)] = 0;
    open.push({0, s});
    auto near_end = [&](int32_t i, int32_t j) {
        double x = 2 * i + 1, y = 2 * j + 1;
        return std::hypot(x - from.x, y - from.y) < 12 || std::hypot(x - to.x, y - to.y) < 12;
    };
    while (!open.empty()) {
        auto [k, at] = open.top();
        open.pop();
        if (k > cost[static_cast<size_t>(at)]) continue;
        if (at == g) break;
        int32_t i = at % GW, j = at / GW;
        for (int32_t dj = -1; dj <= 1; ++dj)
            for (int32_t di = -1; di <= 1; ++di) {
                int32_t ni = i + di, nj = j + dj;
                if ((di == 0 && dj == 0) || ni < 0 || nj < 0 || ni >= GW || nj >= GH) continue;
                int32_t n = nj * GW + ni;
                double room = c.room[static_cast<size_t>(n)];
                if (room < need && !near_end(ni, nj)) continue;
                double step = (di != 0 && dj != 0 ? 2.83 : 2.0) * (1 + 40 / std::max(room, 1.0));
                if (cost[static_cast<size_t>(at)] + step < cost[static_cast<size_t>(n)]) {
                    cost[static_cast<size_t>(n)] = cost[static_cast<size_t>(at)] + step;
                    back[static_cast<size_t>(n)] = at;
                    open.push({cost[static_cast<size_t>(n)], n});
                }
            }
    }
    if (back[static_cast<size_t>(g)] < 0 && g != s) {
        *why = "no way with room " + std::to_string(need);
        return {};
    }
    std::vector<PilotPoint> cells;
    for (int32_t at = g; at >= 0; at = back[static_cast<size_t>(at)])
        cells.push_back({2.0 * (at % GW) + 1, 2.0 * (at / GW) + 1});
    std::reverse(cells.begin(), cells.end());
    cells.front() = from;
    cells.back() = to;
    std::vector<PilotPoint> way{from};
    size_t at = 0;
    while (at + 1 < cells.size()) {
        size_t far = at + 1;
        for (size_t k = cells.size() - 1; k > at + 1; --k)
            if (line_clear(c, cells[at], cells[k], need * 0.9)) {
                far = k;
                break;
            }
        way.push_back(cells[far]);
        at = far;
    }
    return way;
}

PilotPoint along(PilotPoint p, double heading, double d) {
    return {p.x + d * std::cos(heading * PI / 180), p.y + d * std::sin(heading * PI / 180)};
}

// Where the pivot lies with the hull centred in the box, and the room the ship turns in.
struct Hull {
    double centre;  // from the pivot towards the bow
    double spin;    // radius of the circle the hull sweeps turning about its pivot
};
Hull hull_of(int32_t model) {
    const int32_t* o = ship_outline_for(model);
    double len = o[2 + 2 * 2];  // the bow point's x
    double pivot = o[1];
    return {len / 2 - pivot, std::max(len - pivot, pivot) + 6};
}

// A point some way from a berth along its line, behind the stern (side -1) or ahead of the bow
// (side 1), with the most room to turn in; its room in *room.
PilotPoint berth_side(const Chart& c, PilotPoint berth, double heading, double spin, int32_t side, double* room_out) {
    PilotPoint best = along(berth, heading, side * 30.0);
    double best_room = -1;
    for (double d = 30; d <= 150; d += 2) {
        PilotPoint p = along(berth, heading, side * d);
        if (p.x < 2 || p.x > 317 || p.y < 2 || p.y > 197) break;
        if (!line_clear(c, berth, p, 6)) break;
        double room = c.room_at(p.x, p.y);
        if (room > best_room + 0.5) {
            best_room = room;
            best = p;
        }
        if (room >= spin + 2) break;
    }
    *room_out = best_room;
    return best;
}

// How far the water is open along the berth's line, behind (side -1) or ahead (side 1).
double clear_length(const Chart& c, PilotPoint berth, double heading, int32_t side) {
    double d = 0;
    while (d < 160) {
        PilotPoint p = along(berth, heading, side * (d + 2));
        if (p.x < 2 || p.x > 317 || p.y < 2 || p.y > 197 || c.room_at(p.x, p.y) < 6) break;
        d += 2;
    }
    return d;
}

// The nearest point with room to turn, reached through water with room for the ship.
bool roomy_point(const Chart& c, PilotPoint from, double need, double spin, PilotPoint* out) {
    std::vector<char> seen(GW * GH, 0);
    std::vector<int32_t> queue;
    auto cell = [](PilotPoint p) {
        return std::clamp(static_cast<int32_t>(p.y / 2), 0, GH - 1) * GW + std::clamp(static_cast<int32_t>(p.x / 2), 0, GW - 1);
    };
    queue.push_back(cell(from));
    seen[static_cast<size_t>(queue[0])] = 1;
    for (size_t k = 0; k < queue.size(); ++k) {
        int32_t at = queue[k];
        if (c.room[static_cast<size_t>(at)] >= spin + 3) {
            *out = {2.0 * (at % GW) + 1, 2.0 * (at / GW) + 1};
            return true;
        }
        int32_t i = at % GW, j = at / GW;
        const int32_t next[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& n : next) {
            int32_t ni = i + n[0], nj = j + n[1];
            if (ni < 0 || nj < 0 || ni >= GW || nj >= GH) continue;
            int32_t m = nj * GW + ni;
            if (seen[static_cast<size_t>(m)] || c.room[static_cast<size_t>(m)] < need) continue;
            seen[static_cast<size_t>(m)] = 1;
            queue.push_back(m);
        }
    }
    return false;
}

// ---- Steering -----------------------------------------------------------------------------------

struct Helm {
    const std::vector<PilotLeg>* legs;
    size_t leg = 0;
    int32_t handling = 0;
    int32_t model = 0;
    bool spinning = false;
    bool turning = false;  // turning on the spot on the way, before sailing on
    int32_t spin_phase = 1;
    bool slow = false;
    bool done = false;
};

void set_rudder(int32_t r) {
    r = std::clamp(r, -15, 15);
    mouse_left_down(static_cast<uint32_t>(297 + r), 192);
}

void set_telegraph(int32_t want) {
    want = std::clamp(want, -40, 40);
    int32_t t = g_sim_telegraph;
    if (t == want || key_slot_pending() != 0) return;
    uint32_t key;
    if (want == 40) {
        key = SIM_KEY_FULL_AHEAD;
    } else if (want == -40) {
        key = SIM_KEY_FULL_ASTERN;
    } else if (want == 0 && std::abs(t) > 2) {
        key = t > 0 ? SIM_KEY_FULL_ASTERN : SIM_KEY_FULL_AHEAD;  // the first press stops the engine
    } else {
        key = want > t ? KEY_UP : KEY_DOWN;
    }
    key_slot_store(key);
}

// The telegraph that brings the speed to want.
int32_t telegraph_for(int32_t want, int32_t speed) {
    if (want >= 0) {
        if (speed > want + 24) return -40;
        if (speed > want + 6) return 0;
        return std::min(40, (want + 7) / 8 + (speed < want - 30 ? 12 : 0));
    }
    if (speed < want - 24) return 40;
    if (speed < want - 6) return 0;
    return std::max(-40, (want - 7) / 8 - (speed > want + 30 ? 12 : 0));
}

// Turns on the spot: full ahead and full astern in turn, the rudder over to the side that turns
// the same way each time.
bool spin(Helm* h, double target, double tolerance) {
    double e = wrap180(target - g_sim_last_pose[2]);
    int32_t s = g_sim_speed;
    if (std::fabs(e) <= tolerance) {
        set_rudder(0);
        set_telegraph(0);
        return std::abs(s) <= 8;
    }
    int32_t dir = e > 0 ? 1 : -1;
    bool fine = std::fabs(e) < 8;
    int32_t limit = fine ? 12 : (h->handling == 2 ? 40 : 56);
    int32_t power = fine ? 6 : 40;
    if (h->spin_phase > 0 && s >= limit) h->spin_phase = -1;
    if (h->spin_phase < 0 && s <= -limit) h->spin_phase = 1;
    set_rudder(15 * dir * h->spin_phase);
    set_telegraph(power * h->spin_phase);
    return false;
}

void steer(Helm* h) {
    if (h->done) return;
    if (h->leg >= h->legs->size()) {
        set_rudder(0);
        set_telegraph(0);
        return;
    }
    const PilotLeg& leg = (*h->legs)[h->leg];
    PilotPoint pos{static_cast<double>(g_sim_last_pose[0]), static_cast<double>(g_sim_last_pose[1])};
    double heading = g_sim_last_pose[2];
    int32_t s = g_sim_speed;
    double d = std::hypot(leg.to.x - pos.x, leg.to.y - pos.y);
    bool last = h->leg + 1 == h->legs->size();

    if (h->spinning) {
        if (spin(h, leg.heading, last ? 1 : 2.5)) {
            h->spinning = false;
            ++h->leg;
        }
        return;
    }
    bool arrived = leg.stop ? d < (last ? 1.6 : 4) : d < 14;
    if (arrived && (!leg.stop || std::abs(s) <= (last ? 3 : 24))) {
        if (leg.heading >= 0) {
            h->spinning = true;
            h->spin_phase = 1;
        } else {
            ++h->leg;
        }
        return;
    }
    double a = h->handling == 0 ? 0.6 : h->handling == 1 ? 0.3 : 0.22;
    if (last && leg.stop && leg.heading >= 0 && d < 12) {
        // the last pixels on the line: hold the heading, go ahead or astern to the point, and
        // keep to the line (model 1 pushes itself sideways with its thruster)
        double u = leg.heading * PI / 180;
        double ahead = (leg.to.x - pos.x) * std::cos(u) + (leg.to.y - pos.y) * std::sin(u);
        double ct = -(pos.x - leg.to.x) * std::sin(u) + (pos.y - leg.to.y) * std::cos(u);
        double speed = std::min(90.0, std::sqrt(1024 * a * std::max(std::fabs(ahead) - 0.8, 0.0)));
        if (std::fabs(ahead) < 1.5) speed = 0;
        int32_t want_speed = static_cast<int32_t>(ahead >= 0 ? speed : -speed);
        int32_t t = telegraph_for(want_speed, s);
        int32_t push = 4 * g_sim_telegraph + (s >> 2);
        double hold = leg.heading;
        if (std::fabs(ahead) > 4) hold -= std::clamp(ct * 3, -6.0, 6.0) * (ahead >= 0 ? 1 : -1);
        double e = wrap180(hold - heading);
        int32_t r = static_cast<int32_t>(std::lround(std::clamp(e * 2.0, -15.0, 15.0)));
        set_rudder(push >= 0 ? r : -r);
        set_telegraph(t);
        bool aside = h->model == 1 && std::fabs(ct) > 0.6;
        if (h->model == 1 && key_slot_pending() == 0 && g_sim_telegraph == t) {
            int32_t q = aside ? (ct > 0 ? -10 : 10) : 0;
            if (g_sim_thruster < q) key_slot_store(KEY_DELETE);
            if (g_sim_thruster > q) key_slot_store(SIM_KEY_THRUSTER_PORT);
        }
        if (std::fabs(ahead) < 1.5 && std::abs(s) <= 3 && !aside && g_sim_thruster == 0) {
            h->spinning = true;
            h->spin_phase = 1;
        }
        return;
    }
    // the heading to steer: towards the point, the bow away from it going astern
    double want = leg.astern ? heading_to(leg.to, pos) : heading_to(pos, leg.to);
    double e = wrap180(want - heading);
    if (leg.astern && (std::fabs(e) > 60 || (h->turning && std::fabs(e) > 10)) && d > 8 && d < 60) {
        // too close to come round going astern: stop and turn the stern towards the point first
        if (!h->turning && std::abs(s) > 40) {
            set_rudder(0);
            set_telegraph(s > 0 ? -40 : 40);
            return;
        }
        if (!h->turning) h->spin_phase = 1;
        h->turning = true;
        spin(h, want, 0);
        return;
    }
    if (!leg.astern && (std::fabs(e) > 45 || (h->turning && std::fabs(e) > 8)) && d > 8) {
        if (!h->turning && s > 40) {
            set_rudder(0);
            set_telegraph(-40);
            return;
        }
        if (!h->turning) h->spin_phase = 1;
        h->turning = true;
        spin(h, want, 0);
        return;
    }
    h->turning = false;
    double cruise = leg.astern ? 100 : (d > 60 ? 300 : 160);
    if (h->slow) cruise = leg.astern ? 70 : (d > 60 ? 180 : 100);
    if (std::fabs(e) > 15) cruise = std::min(cruise, 120.0);
    double stop_speed = std::sqrt(1024 * a * std::max(d - 2, 0.0));
    double speed = leg.stop ? std::min(cruise, stop_speed) : cruise;
    int32_t want_speed = static_cast<int32_t>(leg.astern ? -speed : speed);
    int32_t t = telegraph_for(want_speed, s);
    // the rudder turns the ship by the engine order plus a quarter of the speed; that sum's sign
    // says which way
    int32_t push = 4 * g_sim_telegraph + (s >> 2);
    if (push == 0) push = leg.astern ? -1 : 1;
    int32_t r = static_cast<int32_t>(std::lround(std::clamp(e * 1.5, -15.0, 15.0)));
    set_rudder(push > 0 ? r : -r);
    set_telegraph(t);
}

Helm* g_helm = nullptr;

std::vector<PilotPoint> g_trail;

// The pilot's hand as each tick reads it, for a script: the mouse as the tick's reads find it
// (set by the wake of the tick's 16 ms wait), the key as the key slot's read finds it (after the
// mouse read's 30 ms wake when the button is held, else after the tick's wait).
struct Recording {
    std::vector<RouteInput>* ticks = nullptr;
    uint32_t last_wake = 0;
    bool key_after_mouse_read = false;
};
Recording g_recording;

void key_slot_peek(RouteInput* in) {
    uint32_t k = key_slot_take();
    in->key = k;
    if (k != 0) key_slot_store(k);
}

void record_wake() {
    Recording& r = g_recording;
    if (r.ticks == nullptr) return;
    uint32_t now = headless_now();
    if (now - r.last_wake == 16) {
        RouteInput in{static_cast<int32_t>(g_mouse_x.load()), static_cast<int32_t>(g_mouse_y.load()),
                      (g_mouse_buttons.load() & MOUSE_LEFT) != 0 ? 1 : 0, 0};
        key_slot_peek(&in);
        r.ticks->push_back(in);
        r.key_after_mouse_read = in.button != 0;
    } else if (r.key_after_mouse_read && !r.ticks->empty()) {
        key_slot_peek(&r.ticks->back());
        r.key_after_mouse_read = false;
    }
    r.last_wake = now;
}

void on_sleep(void*) {
    if (g_helm == nullptr) return;
    steer(g_helm);
    record_wake();
    static const char* trace = std::getenv("PILOT_TRACE");
    if (trace != nullptr)
        std::fprintf(stderr, "leg %zu spin %d pose %d,%d,%d S %d T %d R %d box %d,%d-%d,%d\n", g_helm->leg,
                     g_helm->spinning ? 1 : 0, g_sim_last_pose[0], g_sim_last_pose[1], g_sim_last_pose[2], g_sim_speed,
                     g_sim_telegraph, g_sim_rudder, g_sim_ship_box[0], g_sim_ship_box[1], g_sim_ship_box[2],
                     g_sim_ship_box[3]);
    PilotPoint p{static_cast<double>(g_sim_last_pose[0]), static_cast<double>(g_sim_last_pose[1])};
    if (g_trail.empty() || g_trail.back().x != p.x || g_trail.back().y != p.y) g_trail.push_back(p);
}

// With PILOT_DUMP set, a failed episode's last frame with the planned way (yellow) and the track
// sailed (red) goes to that directory as a PPM picture, for looking at.
void dump(const std::vector<PilotLeg>& legs, const std::string& name) {
    const char* dir = std::getenv("PILOT_DUMP");
    if (dir == nullptr) return;
    auto line = [](PilotPoint a, PilotPoint b, uint32_t colour) {
        draw_line_clipped(static_cast<int32_t>(a.x), static_cast<int32_t>(a.y), static_cast<int32_t>(b.x),
                          static_cast<int32_t>(b.y), colour);
    };
    for (size_t k = 0; k + 1 < legs.size(); ++k) line(legs[k].to, legs[k + 1].to, 14);
    for (size_t k = 0; k + 1 < g_trail.size(); ++k) line(g_trail[k], g_trail[k + 1], 12);
    std::FILE* f = std::fopen((std::string(dir) + "/" + name + ".ppm").c_str(), "wb");
    if (f == nullptr) return;
    std::fprintf(f, "P6 320 200 255\n");
    for (int32_t i = 0; i < SCREEN_BYTES; ++i) {
        const uint8_t* c = g_game_palette[g_screen_buffer[i]];
        uint8_t rgb[3] = {c[2], c[1], c[0]};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

}  // namespace

std::vector<PilotLeg> pilot_plan(int32_t mode, int32_t model, int32_t row, int32_t start, int32_t target,
                                 std::string* why, int32_t variant) {
    Hull hull = hull_of(model);
    const double more[4] = {0, 2, 4, -1};
    double need = (model == 1 ? 10 : 9) + more[(variant >> 2) & 3];
    bool other_way_in = (variant & 1) != 0, other_way_out = (variant & 2) != 0;
    std::vector<PilotLeg> legs;
    if (mode == 1) {
        const ReefMap& m = g_reef_maps[row];
        Chart c = load_chart(m.coast, true);
        PilotPoint from{static_cast<double>(m.start_x), static_cast<double>(m.start_y)};
        PilotPoint goal{(m.max_x + std::max(m.min_x, 0)) / 2.0, (m.min_y + m.max_y) / 2.0};
        if (m.min_x < 0) goal.x = std::max(m.min_x, -40) + 4;
        PilotPoint inside{std::clamp(goal.x, 10.0, 300.0), goal.y};
        std::vector<PilotPoint> way = find_way(c, from, inside, need, why);
        if (way.empty()) return {};
        for (size_t k = 1; k < way.size(); ++k) legs.push_back({way[k], false, false, -1});
        legs.push_back({along(goal, m.heading, 30), false, false, -1});
        return legs;
    }
    const HarbourMap& m = g_harbour_maps[row];
    Chart c = load_chart(m.coast, false);
    auto berth_point = [&](int32_t i) {
        double hd = m.heading[i];
        PilotPoint centre{(m.min_x[i] + m.max_x[i]) / 2.0, (m.min_y[i] + m.max_y[i]) / 2.0};
        return along(centre, hd, -hull.centre);
    };
    PilotPoint from{static_cast<double>(m.start_x[start]), static_cast<double>(m.start_y[start])};
    if (start == target && start > 0) {
        // already at the berth: stopped in its box the episode is over at once
        g_sim_outline = ship_outline_for(model);
        ship_shape_build(m.start_x[start], m.start_y[start], m.heading[start]);
        const int32_t* b = g_sim_ship_box;
        if (b[0] >= m.min_x[start] && b[2] <= m.max_x[start] && b[1] >= m.min_y[start] && b[3] <= m.max_y[start])
            return {{from, false, true, -1}};
        return {{berth_point(target), false, true, static_cast<double>(m.heading[target]) + 2}};
    }
    auto add_way = [&](PilotPoint a, PilotPoint b, bool astern, bool stop_at_end) {
        std::vector<PilotPoint> way = find_way(c, a, b, need, why);
        if (way.empty()) return false;
        for (size_t k = 1; k < way.size(); ++k) legs.push_back({way[k], astern, stop_at_end && k + 1 == way.size(), -1});
        return true;
    };
    if (start > 0) {
        double hd = m.heading[start];
        double ahead_room = 0;
        PilotPoint exit = berth_side(c, from, hd, hull.spin, 1, &ahead_room);
        double behind_room = 0;
        berth_side(c, from, hd, hull.spin, -1, &behind_room);
        bool ahead = clear_length(c, from, hd, 1) >= 50 && ahead_room >= std::min(hull.spin, behind_room);
        if (other_way_out) ahead = !ahead && clear_length(c, from, hd, 1) >= 30;
        if (ahead) {
            // out ahead along the berth's line, to where there is room to turn
            from = exit;
            legs.push_back({from, false, true, -1});
        } else {
            // out astern, then on astern to where there is room to turn
            double room = 0;
            PilotPoint out = berth_side(c, from, hd, hull.spin, -1, &room);
            legs.push_back({out, true, true, -1});
            from = out;
            PilotPoint turn;
            if (room < hull.spin + 2 && roomy_point(c, out, need, hull.spin, &turn)) {
                if (!add_way(out, turn, true, true)) return {};
                from = turn;
            }
        }
    } else {
        from = {24, static_cast<double>(m.start_y[0])};
        legs.push_back({from, false, false, -1});
    }
    if (target == 0) {
        PilotPoint gate{12, (m.min_y[0] + m.max_y[0]) / 2.0};
        if (!add_way(from, gate, false, false)) return {};
        legs.push_back({{-60, gate.y}, false, false, -1});
        return legs;
    }
    double hd = m.heading[target];
    PilotPoint berth = berth_point(target);
    double behind = clear_length(c, berth, hd, -1);
    // stern first works out better but where the water behind the berth is open a long way
    bool bow_first = behind >= 158;
    if (other_way_in) bow_first = !bow_first && behind >= 40;
    if (bow_first) {
        // bow first along the berth's line
        PilotPoint far = along(berth, hd, -std::min(behind - 4, 110.0));
        PilotPoint near = along(berth, hd, -std::min(30.0, behind / 2));
        bool turn_at_far = c.room_at(far.x, far.y) >= hull.spin + 1;
        if (!add_way(from, far, false, turn_at_far)) return {};
        if (turn_at_far) legs.back().heading = hd + 2;
        legs.push_back({near, false, false, -1});
        legs.push_back({berth, false, true, hd + 2});
        return legs;
    }
    // stern first: turn where there is room ahead of the berth, then back in
    double room = 0;
    PilotPoint front = berth_side(c, berth, hd, hull.spin, 1, &room);
    if (!add_way(from, front, false, true)) return {};
    legs.back().heading = hd + 2;
    legs.push_back({berth, true, true, hd + 2});
    return legs;
}

int32_t pilot_sail(int32_t mode, int32_t model, int32_t row, int32_t start, int32_t target, int32_t tick_limit,
                   const std::vector<PilotLeg>& legs, int32_t variant, std::vector<RouteInput>* record) {
    Helm helm;
    g_recording = {record, headless_now(), false};
    helm.slow = (variant & 16) != 0;
    helm.legs = &legs;
    helm.handling = handling_class(model);
    helm.model = model;
    g_helm = &helm;
    headless_set_sleep_hook(on_sleep, nullptr);
    g_trail.clear();
    // nothing left over from an earlier episode: no key waiting, the ship seen where it starts
    key_slot_take();
    if (mode == 0) {
        const HarbourMap& m = g_harbour_maps[row];
        g_sim_last_pose[0] = m.start_x[start];
        g_sim_last_pose[1] = m.start_y[start];
        g_sim_last_pose[2] = m.heading[start];
    } else {
        const ReefMap& m = g_reef_maps[row];
        g_sim_last_pose[0] = m.start_x;
        g_sim_last_pose[1] = m.start_y;
        g_sim_last_pose[2] = m.heading;
    }
    g_sim_speed = g_sim_telegraph = g_sim_rudder = g_sim_thruster = 0;
    int32_t result = manoeuvre_run(mode, model, row, start, target, tick_limit, nullptr);
    headless_set_sleep_hook(nullptr, nullptr);
    if (result != MANOEUVRE_SUCCESS) {
        char name[80];
        std::snprintf(name, sizeof name, "m%d_r%d_s%d_t%d_model%d_res%d", mode, row, start, target, model, result);
        dump(legs, name);
    }
    g_helm = nullptr;
    g_recording = {};
    mouse_left_up();
    return result;
}
