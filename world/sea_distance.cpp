#include "world/sea_distance.h"

#include "engine/intmath.h"
#include "world/ports.h"
#include "world/records.h"
#include "world/routes.h"
#include "world/sine_table.h"

namespace {

struct Point {
    int32_t lon;
    int32_t lat;
};

Point port_point(int32_t row) {
    if (row < 0 || row > PORT_COUNT) row = 0;
    return Point{g_port_table[row].lon, g_port_table[row].lat};
}

// A leg's miles: both ends cut to whole degrees first.
int32_t leg_nm(Point from, Point to) {
    return sea_distance_nm(from.lon / 10, from.lat / 10, to.lon / 10, to.lat / 10);
}

bool is_end_mark(const Waypoint& w) {
    return w.lon == 0 && w.lat == 0;
}

}  // namespace

int32_t sea_distance_nm(int32_t lon1, int32_t lat1, int32_t lon2, int32_t lat2) {
    int32_t dlon = lon2 - lon1;
    if (dlon > 180) {
        dlon -= 360;
    } else if (dlon < -180) {
        dlon += 360;
    }
    int32_t dx = cos_deg((lat1 + lat2) / 2) * (dlon * 60) / 256;
    int32_t dy = (lat2 - lat1) * 60;
    return isqrt(dx * dx + dy * dy);
}

int32_t route_length_nm(int32_t r) {
    if (r < 1 || r > ROUTE_COUNT) return 0;
    const Route& route = g_route_table[r];
    Point prev = port_point(route.port_a);
    int32_t total = 0;
    for (const Waypoint* w = route.waypoints; w != nullptr && !is_end_mark(*w); ++w) {
        Point cur{w->lon, w->lat};
        total += leg_nm(prev, cur);
        prev = cur;
    }
    return total + leg_nm(prev, port_point(route.port_b));
}

void init_route_lengths() {
    for (int32_t r = 1; r <= ROUTE_COUNT; ++r) g_route_table[r].length = route_length_nm(r);
}

void compute_ship_route_position(Ship* ship) {
    Point pos;
    if (ship->route < 1 || ship->route > ROUTE_COUNT || ship->direction == 0) {
        pos = port_point(ship->port);
    } else {
        const Route& route = g_route_table[ship->route];
        // Miles from port A whichever way the ship sails.
        int32_t from_a = ship->direction >= 0 ? ship->sailed_nm : wrap_sub(route.length, ship->sailed_nm);
        Point prev = port_point(route.port_a);
        Point cur = prev;
        int32_t sum = 0;
        int32_t d = 0;
        const Waypoint* w = route.waypoints;
        for (;;) {
            bool last = w == nullptr || is_end_mark(*w);
            cur = last ? port_point(route.port_b) : Point{w->lon, w->lat};
            d = leg_nm(prev, cur);
            sum += d;
            // A ship exactly at the end of a leg stays on that leg.
            if (from_a < sum || last) break;
            prev = cur;
            ++w;
        }
        // Miles short of the leg's end. A ship past either end of the route (more miles than the
        // route has) is held at that end rather than placed beyond it.
        int32_t over = wrap_sub(sum, from_a);
        if (over < 0) over = 0;
        if (over > d) over = d;
        if (d == 0) {
            pos = cur;
        } else {
            int32_t dlon = cur.lon - prev.lon;
            if (dlon > 1800) dlon -= 3600;
            if (dlon < -1800) dlon += 3600;
            pos.lon = cur.lon - dlon * over / d;
            pos.lat = cur.lat - (cur.lat - prev.lat) * over / d;
        }
    }
    if (pos.lon > 1800) pos.lon -= 3600;
    if (pos.lon < -1800) pos.lon += 3600;
    ship->lon = pos.lon;
    ship->lat = pos.lat;
}
