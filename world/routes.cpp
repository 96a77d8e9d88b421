#include "world/routes.h"

// The lengths are the figures the routes were planned with; init_route_lengths replaces them with the
// lengths of the waypoint lists.
Route g_route_table[ROUTE_COUNT + 1] = {
    {nullptr, 0, 0, 0, 0, 0, 0, 0},
    {g_waypoints_route_1, 1, 9, 3600, 0, 0, 0, 0},  // 1 London - New York
    {g_waypoints_route_2, 1, 25, 3600, 0, 0, 0, 0},  // 2 London - Alexandria
    {g_waypoints_route_3, 2, 7, 3600, 0, 0, 1, 0},  // 3 Rotterdam - Lagos
    {g_waypoints_route_4, 2, 9, 3600, 0, 0, 0, 0},  // 4 Rotterdam - New York
    {g_waypoints_route_5, 3, 9, 3600, 0, 0, 0, 0},  // 5 Hamburg - New York
    {g_waypoints_route_6, 3, 21, 3600, 0, 0, 1, 0},  // 6 Hamburg - Monrovia
    {g_waypoints_route_7, 4, 17, 7000, 0, 0, 1, 0},  // 7 Marseilles - Buenos Aires
    {g_waypoints_route_8, 4, 24, 5125, 1800, 50, 0, 0},  // 8 Marseilles - Dar-es-Salaam
    {g_waypoints_route_9, 5, 26, 2590, 1000, 50, 0, 0},  // 9 Piraeus - Karachi
    {g_waypoints_route_10, 5, 28, 7000, 5000, 1, 20, 0},  // 10 Piraeus - Houston
    {g_waypoints_route_11, 6, 13, 7000, 0, 0, 3, 3},  // 11 Cape Town - Sydney
    {g_waypoints_route_12, 6, 11, 10907, 4360, 51, 2, 40},  // 12 Cape Town - San Francisco
    {g_waypoints_route_13, 7, 12, 3600, 0, 0, 0, 3},  // 13 Lagos - Rio de Janeiro
    {g_waypoints_route_14, 7, 4, 3600, 0, 0, 0, 3},  // 14 Lagos - Marseilles
    {g_waypoints_route_15, 8, 9, 8577, 3000, 50, 0, 3},  // 15 Jebel Dhanna - New York
    {g_waypoints_route_16, 8, 14, 7071, 5000, 53, 10, 0},  // 16 Jebel Dhanna - Tokyo
    {g_waypoints_route_17, 9, 4, 7000, 0, 0, 0, 3},  // 17 New York - Marseilles
    {g_waypoints_route_18, 9, 16, 3681, 2000, 50, 0, 3},  // 18 New York - Lima
    {g_waypoints_route_19, 28, 14, 9913, 2000, 50, 0, 3},  // 19 Houston - Tokyo
    {g_waypoints_route_20, 28, 10, 11563, 2000, 50, 0, 0},  // 20 Houston - Hong Kong
    {g_waypoints_route_21, 10, 3, 10806, 7000, 50, 0, 0},  // 21 Hong Kong - Hamburg
    {g_waypoints_route_22, 10, 15, 7000, 0, 0, 20, 10},  // 22 Hong Kong - Vancouver
    {g_waypoints_route_23, 11, 1, 8841, 3536, 50, 0, 5},  // 23 San Francisco - London
    {g_waypoints_route_24, 11, 23, 7000, 0, 0, 5, 2},  // 24 San Francisco - Singapore
    {g_waypoints_route_25, 12, 6, 7000, 0, 0, 0, 0},  // 25 Rio de Janeiro - Cape Town
    {g_waypoints_route_26, 12, 13, 10000, 0, 0, 5, 0},  // 26 Rio de Janeiro - Sydney
    {g_waypoints_route_27, 13, 10, 7000, 0, 0, 20, 0},  // 27 Sydney - Hong Kong
    {g_waypoints_route_28, 13, 27, 7000, 0, 0, 4, 0},  // 28 Sydney - Calcutta
    {g_waypoints_route_29, 14, 11, 7000, 0, 0, 3, 4},  // 29 Tokyo - San Francisco
    {g_waypoints_route_30, 14, 2, 11828, 8300, 50, 0, 0},  // 30 Tokyo - Rotterdam
    {g_waypoints_route_31, 15, 16, 7000, 0, 0, 2, 5},  // 31 Vancouver - Lima
    {g_waypoints_route_32, 15, 26, 10000, 0, 0, 4, 5},  // 32 Vancouver - Karachi
    {g_waypoints_route_33, 16, 17, 4780, 3100, 51, 0, 50},  // 33 Lima - Buenos Aires
    {g_waypoints_route_34, 16, 18, 7000, 0, 0, 0, 70},  // 34 Lima - Point Hope
    {g_waypoints_route_35, 17, 6, 7000, 0, 0, 0, 0},  // 35 Buenos Aires - Cape Town
    {g_waypoints_route_36, 17, 24, 10000, 0, 0, 2, 0},  // 36 Buenos Aires - Dar-es-Salaam
    {g_waypoints_route_37, 18, 15, 7000, 0, 0, 0, 70},  // 37 Point Hope - Vancouver
    {g_waypoints_route_38, 19, 5, 4305, 3000, 50, 0, 0},  // 38 Basrah - Piraeus
    {g_waypoints_route_39, 19, 10, 7000, 0, 0, 1, 0},  // 39 Basrah - Hong Kong
    {g_waypoints_route_40, 20, 11, 3600, 0, 0, 3, 0},  // 40 Pearl Harbor - San Francisco
    {g_waypoints_route_41, 20, 10, 7000, 0, 0, 2, 0},  // 41 Pearl Harbor - Hong Kong
    {g_waypoints_route_42, 21, 12, 3600, 0, 0, 1, 0},  // 42 Monrovia - Rio de Janeiro
    {g_waypoints_route_43, 21, 2, 3600, 0, 0, 0, 0},  // 43 Monrovia - Rotterdam
    {g_waypoints_route_44, 22, 3, 5399, 300, 54, 0, 0},  // 44 Panama - Hamburg
    {g_waypoints_route_45, 22, 9, 2486, 300, 54, 0, 0},  // 45 Panama - New York
    {g_waypoints_route_46, 23, 4, 7218, 5000, 50, 0, 0},  // 46 Singapore - Marseilles
    {g_waypoints_route_47, 23, 17, 9423, 1000, 52, 5, 0},  // 47 Singapore - Buenos Aires
    {g_waypoints_route_48, 24, 13, 6687, 0, 0, 5, 0},  // 48 Dar-es-Salaam - Sydney
    {g_waypoints_route_49, 24, 14, 7502, 5000, 52, 2, 0},  // 49 Dar-es-Salaam - Tokyo
    {g_waypoints_route_50, 25, 3, 3600, 0, 0, 0, 0},  // 50 Alexandria - Hamburg
    {g_waypoints_route_51, 25, 9, 7000, 0, 0, 0, 0},  // 51 Alexandria - New York
    {g_waypoints_route_52, 26, 11, 11595, 4000, 53, 2, 0},  // 52 Karachi - San Francisco
    {g_waypoints_route_53, 26, 1, 6508, 3000, 50, 0, 0},  // 53 Karachi - London
    {g_waypoints_route_54, 27, 2, 8639, 5000, 50, 0, 0},  // 54 Calcutta - Rotterdam
    {g_waypoints_route_55, 27, 28, 12103, 5000, 50, 0, 0},  // 55 Calcutta - Houston
};
