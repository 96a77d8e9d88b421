#include "voyage/storm.h"

// No storms yet: the weather never troubles a ship.
TextLines storm_check(int32_t, Shipowner*, Ship*, int32_t, int32_t) {
    return nullptr;
}
