// The sea routes between the ports: the two ends, the length in nautical miles, the route's own
// event and the odds of emergencies and icebergs on it, and the waypoints a ship follows.
#pragma once

#include <cstdint>

constexpr int32_t ROUTE_COUNT = 55;  // valid rows 1..55

// What happens on a route when a ship passes its event position; other values do nothing.
constexpr int8_t ROUTE_EVENT_NONE = 0;
constexpr int8_t ROUTE_EVENT_BERMUDA_TRIANGLE = 1;
constexpr int8_t ROUTE_EVENT_CANAL_FEES = 50;
constexpr int8_t ROUTE_EVENT_CAPE_HORN = 51;
constexpr int8_t ROUTE_EVENT_REEF = 52;
constexpr int8_t ROUTE_EVENT_REEF_2 = 53;
constexpr int8_t ROUTE_EVENT_SHOALS = 54;

// A point of a route in tenths of a degree, east and north positive.
struct Waypoint {
    int32_t lon;
    int32_t lat;
};

struct Route {
    const Waypoint* waypoints;  // from off port A to off port B, ended by (0, 0)
    int8_t port_a;              // PortInfo rows of the two ends
    int8_t port_b;
    int32_t length;          // nautical miles; a rough figure until init_route_lengths
    int32_t event_position;  // nm from port A at which the route's event fires
    int8_t event_code;       // ROUTE_EVENT_*
    int8_t emergency_odds;
    int8_t iceberg_odds;
};

// Row 0 is all zero. Only the lengths are ever written, once at program start.
extern Route g_route_table[ROUTE_COUNT + 1];

// The waypoint lists (game/waypoints.cpp), one per route row.
extern const Waypoint g_waypoints_route_1[];
extern const Waypoint g_waypoints_route_2[];
extern const Waypoint g_waypoints_route_3[];
extern const Waypoint g_waypoints_route_4[];
extern const Waypoint g_waypoints_route_5[];
extern const Waypoint g_waypoints_route_6[];
extern const Waypoint g_waypoints_route_7[];
extern const Waypoint g_waypoints_route_8[];
extern const Waypoint g_waypoints_route_9[];
extern const Waypoint g_waypoints_route_10[];
extern const Waypoint g_waypoints_route_11[];
extern const Waypoint g_waypoints_route_12[];
extern const Waypoint g_waypoints_route_13[];
extern const Waypoint g_waypoints_route_14[];
extern const Waypoint g_waypoints_route_15[];
extern const Waypoint g_waypoints_route_16[];
extern const Waypoint g_waypoints_route_17[];
extern const Waypoint g_waypoints_route_18[];
extern const Waypoint g_waypoints_route_19[];
extern const Waypoint g_waypoints_route_20[];
extern const Waypoint g_waypoints_route_21[];
extern const Waypoint g_waypoints_route_22[];
extern const Waypoint g_waypoints_route_23[];
extern const Waypoint g_waypoints_route_24[];
extern const Waypoint g_waypoints_route_25[];
extern const Waypoint g_waypoints_route_26[];
extern const Waypoint g_waypoints_route_27[];
extern const Waypoint g_waypoints_route_28[];
extern const Waypoint g_waypoints_route_29[];
extern const Waypoint g_waypoints_route_30[];
extern const Waypoint g_waypoints_route_31[];
extern const Waypoint g_waypoints_route_32[];
extern const Waypoint g_waypoints_route_33[];
extern const Waypoint g_waypoints_route_34[];
extern const Waypoint g_waypoints_route_35[];
extern const Waypoint g_waypoints_route_36[];
extern const Waypoint g_waypoints_route_37[];
extern const Waypoint g_waypoints_route_38[];
extern const Waypoint g_waypoints_route_39[];
extern const Waypoint g_waypoints_route_40[];
extern const Waypoint g_waypoints_route_41[];
extern const Waypoint g_waypoints_route_42[];
extern const Waypoint g_waypoints_route_43[];
extern const Waypoint g_waypoints_route_44[];
extern const Waypoint g_waypoints_route_45[];
extern const Waypoint g_waypoints_route_46[];
extern const Waypoint g_waypoints_route_47[];
extern const Waypoint g_waypoints_route_48[];
extern const Waypoint g_waypoints_route_49[];
extern const Waypoint g_waypoints_route_50[];
extern const Waypoint g_waypoints_route_51[];
extern const Waypoint g_waypoints_route_52[];
extern const Waypoint g_waypoints_route_53[];
extern const Waypoint g_waypoints_route_54[];
extern const Waypoint g_waypoints_route_55[];
