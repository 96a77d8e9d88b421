#include "voyage/arrival_departure.h"

// No harbour passage yet: the ship stays in the road or at its quay.
void port_arrival(int32_t, Shipowner*, Ship*) {}
void port_departure(int32_t, Shipowner*, Ship*) {}
