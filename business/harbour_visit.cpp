#include "business/harbour_visit.h"

// Not open yet: a ship in port stays where it is.
void run_harbour_visit(int32_t, Shipowner*, Ship*) {}
