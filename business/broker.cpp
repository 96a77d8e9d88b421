#include "business/broker.h"

// The broker is not open yet: the building is left at once.
void enter_shipbroker_building(int32_t) {}
void draw_ship_model_picture(int32_t, int32_t) {}
