#include "world/shipowner_name.h"

#include "world/records.h"

const char* shipowner_name(const Shipowner* shipowner) {
    return shipowner != nullptr ? shipowner->name : "";
}
