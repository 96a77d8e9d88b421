#include "business/broker.h"

// The broker is not open yet: the building is left at once.
void enter_shipbroker_building(int32_t) {}
