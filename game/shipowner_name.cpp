#include "game/shipowner_name.h"

#include "game/records.h"

const char* shipowner_name(const Shipowner* shipowner) {
    return shipowner != nullptr ? shipowner->name : "";
}
