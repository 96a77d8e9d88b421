#include "tests/route_search/route_search.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <queue>
#include <unordered_set>

#include "engine/frame_handover.h"
#include "engine/input.h"
#include "voyage/charts.h"
#include "voyage/manoeuvre_tick.h"
#include "voyage/ship_collision.h"
#include "voyage/ship_motion.h"
#include "voyage/ship_outline.h"
#include "voyage/sim_state.h"

namespace {

// The lattice: 2-pixel cells from x -80 (the entrance's target lies past the left edge) and from
// y -16, ten-degree headings.
constexpr int32_t LX0 = -80, LY0 = -16, NX = 208, NY = 116, NH = 36;
constexpr int32_t CELLS = NX * NY * NH;
constexpr int32_t FAR = 1 << 29;

constexpr double PI = 3.14159265358979323846;

int32_t cell_of(int32_t i, int32_t j, int32_t k) { return (k * NY + j) * NX + i; }

// The pose in the middle of cell (i, j) at heading band k.
int32_t mid_x(int32_t i) { return LX0 + 2 * i + 1; }
int32_t mid_y(int32_t j) { return LY0 + 2 * j + 1; }

// The gauges' places for the mouse.
constexpr int32_t GAUGE_X = 297, RUDDER_Y = 192, THRUSTER_Y = 100, TELEGRAPH_ZERO_Y = 146;

// A decision: the controls to set, held for the rest of the step.
struct Action {
    int32_t telegraph, rudder, thruster;
};

// The state between two decisions: the episode, the controls and the mouse as left.
struct Node {
    ManoeuvreEpisode e;
    int32_t rudder, telegraph, thruster, speed;
    RouteInput mouse;
    int32_t parent;
    int32_t action;
    int32_t ticks;  // of the step that led here
};

std::vector<Action> actions_for(int32_t model) {
    std::vector<Action> a;
    const int32_t telegraphs[] = {-40, -12, 0, 12, 40};
    const int32_t rudders[] = {-15, -6, 0, 6, 15};
    for (int32_t t : telegraphs)
        for (int32_t r : rudders) a.push_back({t, r, 0});
    if (model == 1)
        for (int32_t t : {-12, 0, 12})
            for (int32_t q : {-15, 15}) a.push_back({t, 0, q});
    return a;
}

// The input of tick i of a step from the node's controls to the action's: the mouse goes to each
// gauge that must change in turn (telegraph, thruster, rudder), one tick each, and stays on the
// last; with nothing to change it stays where it was.
RouteInput step_input(const Node& n, const Action& a, int32_t model, int32_t i) {
    RouteInput presses[3];
    int32_t count = 0;
    if (a.telegraph != n.telegraph) presses[count++] = {GAUGE_X, TELEGRAPH_ZERO_Y - a.telegraph, 1, 0};
    if (model == 1 && a.thruster != n.thruster) presses[count++] = {GAUGE_X + a.thruster, THRUSTER_Y, 1, 0};
    if (a.rudder != n.rudder) presses[count++] = {GAUGE_X + a.rudder, RUDDER_Y, 1, 0};
    if (count == 0) return n.mouse;
    return presses[std::min(i, count - 1)];
}

void restore(const Node& n) {
    g_sim_rudder = n.rudder;
    g_sim_telegraph = n.telegraph;
    g_sim_thruster = n.thruster;
    g_sim_speed = n.speed;
    key_slot_take();
    route_input_apply(n.mouse);
}

// One tick as manoeuvre_run steps it, without the drawing: the ship placed at its pose, the
// input in place, then the game's tick. The frame is not handed to a window.
TickOutcome tick_once(ManoeuvreEpisode* e, const RouteInput& in) {
    route_input_apply(in);
    ship_shape_build(e->ship.x >> 7, e->ship.y >> 7, e->ship.heading >> 7);
    g_frame_dirty = false;
    return manoeuvre_tick(e);
}

void set_up(ManoeuvreEpisode* e, int32_t row, int32_t model, int32_t start, int32_t target, int32_t tick_limit) {
    *e = ManoeuvreEpisode{};
    e->mode = 0;
    e->model = model;
    e->tick_limit = tick_limit;
    e->handling = handling_class(model);
    manoeuvre_chart_set_up(e, row, start, target);
    g_sim_outline = ship_outline_for(model);
    manoeuvre_controls_set_up();
    e->tick = 0;
    e->raft_history[0] = e->raft_history[1] = {20, 20, 21, 21};
}

// The ticks still to go from every pose of the lattice to the target, over moves the hull fits
// through: ahead or astern 7 pixels turning up to ten degrees, ahead or astern 2 pixels, and
// turning ten degrees on the spot.
struct Move {
    int32_t dir, turn, length, cost;
};
constexpr Move MOVES[] = {
    {1, -1, 7, 12}, {1, 0, 7, 12}, {1, 1, 7, 12}, {-1, -1, 7, 14}, {-1, 0, 7, 14}, {-1, 1, 7, 14},
    {1, 0, 2, 4},   {-1, 0, 2, 5}, {0, -1, 0, 17}, {0, 1, 0, 17},
};

std::vector<int32_t> ticks_to_go(const RouteLattice& lat, int32_t target) {
    const HarbourMap& m = g_harbour_maps[lat.row];
    std::vector<int32_t> cost(CELLS, FAR);
    using Item = std::pair<int32_t, int32_t>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
    bool berth = m.min_x[target] > 0;
    g_sim_outline = ship_outline_for(lat.model);
    for (int32_t k = 0; k < NH; ++k) {
        if (berth && k != m.heading[target] / 10) continue;
        for (int32_t j = 0; j < NY; ++j)
            for (int32_t i = 0; i < NX; ++i) {
                int32_t c = cell_of(i, j, k);
                if (lat.free[c] == 0) continue;
                // a cell is a goal when the hull fits the box from any of its four pixels: a box
                // one pixel taller than the hull holds it only at one row, which may be even
                bool fits = false;
                for (int32_t d = 0; d < 4 && !fits; ++d) {
                    ship_shape_build(mid_x(i) - (d & 1), mid_y(j) - (d >> 1),
                                     berth ? m.heading[target] + 2 : 10 * k + 5);
                    const int32_t* b = g_sim_ship_box;
                    fits = b[0] >= m.min_x[target] && b[2] <= m.max_x[target] && b[1] >= m.min_y[target] &&
                           b[3] <= m.max_y[target];
                }
                if (fits) {
                    cost[c] = 0;
                    open.push({0, c});
                }
            }
    }
    while (!open.empty()) {
        auto [d, c] = open.top();
        open.pop();
        if (d > cost[c]) continue;
        int32_t i = c % NX, j = (c / NX) % NY, k = c / (NX * NY);
        // the poses that reach this one by a move: the move backwards
        for (const Move& mv : MOVES) {
            int32_t pk = ((k - mv.turn) % NH + NH) % NH;
            double a = (10.0 * k + 5 - 5.0 * mv.turn) * PI / 180;
            int32_t pi = i - static_cast<int32_t>(std::lround(mv.dir * mv.length * std::cos(a) / 2));
            int32_t pj = j - static_cast<int32_t>(std::lround(mv.dir * mv.length * std::sin(a) / 2));
            if (pi < 0 || pj < 0 || pi >= NX || pj >= NY) continue;
            int32_t p = cell_of(pi, pj, pk);
            if (lat.free[p] == 0) continue;
            if (mv.length > 2) {
                int32_t qi = (i + pi) / 2, qj = (j + pj) / 2;
                if (lat.free[cell_of(qi, qj, k)] == 0 || lat.free[cell_of(qi, qj, pk)] == 0) continue;
            }
            int32_t nd = d + mv.cost;
            if (nd < cost[p]) {
                cost[p] = nd;
                open.push({nd, p});
            }
        }
    }
    return cost;
}

int32_t lattice_cell(const ManoeuvreEpisode& e) {
    int32_t i = ((e.ship.x >> 7) - LX0) >> 1, j = ((e.ship.y >> 7) - LY0) >> 1, k = (e.ship.heading >> 7) / 10;
    if (i < 0 || j < 0 || i >= NX || j >= NY || k < 0 || k >= NH) return -1;
    return cell_of(i, j, k);
}

// The cells that prune the search: 2 pixels, 5 degrees, speed by 16, the telegraph's and the
// rudder's sides.
constexpr int32_t KEY_SHIFT = 8, KEY_HEADING = 5, KEY_SPEED = 4;

uint64_t state_key(const Node& n) {
    uint64_t x = static_cast<uint32_t>((n.e.ship.x >> KEY_SHIFT) + 4096) & 0xFFFF;
    uint64_t y = static_cast<uint32_t>((n.e.ship.y >> KEY_SHIFT) + 4096) & 0xFFFF;
    uint64_t h = static_cast<uint32_t>((n.e.ship.heading >> 7) / KEY_HEADING) & 0xFF;
    uint64_t s = static_cast<uint32_t>((n.speed + 1024) >> KEY_SPEED) & 0xFF;
    uint64_t t = static_cast<uint32_t>(n.telegraph > 0 ? 2 : n.telegraph < 0 ? 0 : 1);
    uint64_t r = static_cast<uint32_t>(n.rudder > 0 ? 2 : n.rudder < 0 ? 0 : 1);
    return x | y << 16 | h << 32 | s << 40 | t << 48 | r << 52;
}

}  // namespace

RouteLattice route_lattice_build(int32_t row, int32_t model) {
    RouteLattice lat{row, model, std::vector<uint8_t>(CELLS, 0), {}};
    g_sim_coast = g_harbour_maps[row].coast;
    g_sim_outline = ship_outline_for(model);
    for (int32_t k = 0; k < NH; ++k)
        for (int32_t j = 0; j < NY; ++j)
            for (int32_t i = 0; i < NX; ++i) {
                ship_shape_build(mid_x(i), mid_y(j), 10 * k + 5);
                bool off = ship_off_screen() != 0 && mid_x(i) > 0;  // only the entrance lies off the chart
                lat.free[cell_of(i, j, k)] = !off && ship_collision_count() == 0 ? 1 : 0;
            }
    return lat;
}

namespace {

// The search over one episode: its nodes, the estimate of the ticks still to go, and the steps
// from a node by each action.
struct Searcher {
    const RouteLattice& lat;
    const std::vector<int32_t>& to_go;
    int32_t target, step;
    std::vector<Action> acts;
    bool berth;
    double acceleration;  // speed gained per tick at full ahead
    std::vector<Node> nodes;
    std::unordered_set<uint64_t> seen;
    int32_t goal_parent = -1, goal_action = -1;
    std::vector<RouteInput> tail;  // the inputs of the step that reached the target
    int64_t expansions = 0;

    Searcher(const RouteLattice& l, const std::vector<int32_t>& t, int32_t start, int32_t tgt, int32_t tick_limit,
             int32_t st)
        : lat(l), to_go(t), target(tgt), step(st), acts(actions_for(l.model)) {
        const HarbourMap& m = g_harbour_maps[lat.row];
        berth = m.min_x[target] > 0;
        acceleration = lat.model == 1 ? 1.25 : handling_class(lat.model) == 1 ? 1.5 : 3.0;
        Node root{};
        set_up(&root.e, lat.row, lat.model, start, target, tick_limit);
        root.mouse = {GAUGE_X, RUDDER_Y, 0, 0};
        root.parent = -1;
        root.action = -1;
        nodes.push_back(root);
        seen.insert(state_key(root));
    }

    int32_t lattice_ticks(const Node& n) const {
        int32_t c = lattice_cell(n.e);
        return c < 0 ? FAR : to_go[static_cast<size_t>(c)];
    }

    int32_t estimate(const Node& n) const {
        int32_t h = lattice_ticks(n);
        if (h >= FAR) return 100000;
        // far from the target the ship should be up to speed, near a berth stopping
        double far = std::min(1.0, h / 300.0);
        double s = std::abs(n.speed);
        double extra = (320 - s) / (2 * acceleration) * far;
        if (berth) {
            // pixels to stop under full astern against the pixels left
            double stop = s * s / (2 * acceleration) / 512, left = h * 0.6;
            extra += s / acceleration * (1 - far) + std::max(0.0, stop - left) * 3;
        }
        return h + static_cast<int32_t>(extra);
    }

    // Steps from node at by every action; sink(index) gets each new live node. True when a step
    // reached the target.
    template <typename Sink>
    bool expand(int32_t at, Sink sink) {
        ++expansions;
        const int32_t model = lat.model;
        for (int32_t ai = 0; ai < static_cast<int32_t>(acts.size()); ++ai) {
            Node n = nodes[static_cast<size_t>(at)];
            restore(n);
            bool dead = false;
            tail.clear();
            RouteInput last = n.mouse;
            for (int32_t i = 0; i < step; ++i) {
                RouteInput in = step_input(nodes[static_cast<size_t>(at)], acts[static_cast<size_t>(ai)], model, i);
                tail.push_back(in);
                last = in;
                TickOutcome out = tick_once(&n.e, in);
                if (out.ended || out.result != 0) {
                    if (out.result == 0) {
                        goal_parent = at;
                        goal_action = ai;
                        return true;
                    }
                    dead = true;
                    break;
                }
            }
            if (dead) continue;
            n.rudder = g_sim_rudder;
            n.telegraph = g_sim_telegraph;
            n.thruster = g_sim_thruster;
            n.speed = g_sim_speed;
            n.mouse = last;
            n.parent = at;
            n.action = ai;
            n.ticks = step;
            if (!seen.insert(state_key(n)).second) continue;
            nodes.push_back(n);
            sink(static_cast<int32_t>(nodes.size()) - 1);
        }
        return false;
    }

    RouteSearchResult result() const {
        RouteSearchResult res{false, {}, 0, "", expansions};
        if (goal_parent < 0) {
            int32_t best = 0, best_h = estimate(nodes[0]);
            for (size_t k = 1; k < nodes.size(); ++k)
                if (int32_t h = estimate(nodes[k]); h < best_h) {
                    best_h = h;
                    best = static_cast<int32_t>(k);
                }
            const Node& b = nodes[static_cast<size_t>(best)];
            char why[200];
            std::snprintf(why, sizeof why, "%s; nearest: ship at %d,%d heading %d speed %d after %d ticks",
                          lattice_ticks(nodes[0]) >= FAR ? "no way for the hull from the start (lattice)"
                                                         : "the search gave up",
                          b.e.ship.x >> 7, b.e.ship.y >> 7, b.e.ship.heading >> 7, b.speed, b.e.tick);
            res.why = why;
            return res;
        }
        // the way back to the start, then its inputs forwards
        std::vector<int32_t> chain;
        for (int32_t k = goal_parent; k > 0; k = nodes[static_cast<size_t>(k)].parent) chain.push_back(k);
        std::reverse(chain.begin(), chain.end());
        int32_t from = 0;
        for (int32_t k : chain) {
            const Node& n = nodes[static_cast<size_t>(k)];
            for (int32_t i = 0; i < n.ticks; ++i)
                res.script.push_back(
                    step_input(nodes[static_cast<size_t>(from)], acts[static_cast<size_t>(n.action)], lat.model, i));
            from = k;
        }
        res.script.insert(res.script.end(), tail.begin(), tail.end());
        res.ticks = static_cast<int32_t>(res.script.size());
        res.sailed = true;
        return res;
    }
};

// Best first: the ticks used plus weight times the estimate, given up after budget expansions.
RouteSearchResult best_first(Searcher& s, int64_t weight, int64_t budget) {
    using Item = std::pair<int64_t, int32_t>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
    open.push({weight * s.estimate(s.nodes[0]), 0});
    auto push = [&](int32_t k) {
        const Node& n = s.nodes[static_cast<size_t>(k)];
        open.push({n.e.tick + weight * static_cast<int64_t>(s.estimate(n)), k});
    };
    while (!open.empty() && s.expansions < budget) {
        int32_t at = open.top().second;
        open.pop();
        if (s.expand(at, push)) break;
    }
    key_slot_take();
    mouse_left_up();
    return s.result();
}

}  // namespace

RouteSearchResult route_search(RouteLattice& lat, int32_t start, int32_t target, int32_t tick_limit) {
    std::vector<int32_t>& to_go = lat.to_go[target];
    if (to_go.empty()) to_go = ticks_to_go(lat, target);
    // the greedier search first, then more thorough ones with more room to look; the first that
    // sails wins (the later tries cost time only on the hardest routes)
    struct Try {
        int64_t weight, budget;
    };
    const Try tries[] = {{5, 30000}, {3, 30000}, {8, 100000}, {2, 200000}};
    RouteSearchResult first{};
    int64_t expansions = 0;
    for (const Try& t : tries) {
        Searcher s(lat, to_go, start, target, tick_limit, 6);
        RouteSearchResult r = best_first(s, t.weight, t.budget);
        expansions += r.expansions;
        r.expansions = expansions;
        if (r.sailed) return r;
        if (first.why.empty()) first = r;
    }
    first.expansions = expansions;
    return first;
}
