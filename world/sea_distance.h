// Distances at sea in whole nautical miles and the position of a ship along its route, all in integer
// arithmetic. One degree is 60 nm; east-west distances shrink with the cosine of the mean latitude.
#pragma once

#include <cstdint>

struct Ship;

// Between two points in whole degrees, taking the short way across the date line.
int32_t sea_distance_nm(int32_t lon1, int32_t lat1, int32_t lon2, int32_t lat2);
// Port A, the waypoints, port B, each in whole degrees, summed leg by leg.
int32_t route_length_nm(int32_t r);
// Writes every route's length into the route table; called once before any game is set up.
void init_route_lengths();
// Sets the ship's lon and lat (tenths of a degree): its port when it is not under way, else the point
// sailed_nm along its route from the end it left.
void compute_ship_route_position(Ship* ship);
