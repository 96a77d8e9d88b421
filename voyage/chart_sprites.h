// The manoeuvring sprite sheet (picture 13): one rectangle per sprite row, row 0 the hourglass and
// rows 1..80 the harbour objects that the charts place. The chart drawing copies the rectangles
// from the sheet with colour 32 transparent; the sheet's painter fills each rectangle with its kind
// of object, so the drawing and the picture read this one table.
#pragma once

#include <cstdint>

enum ChartSpriteKind : int32_t {
    CHART_HOURGLASS,
    CHART_SHED_H,  // warehouse, ridge along x
    CHART_SHED_V,  // warehouse, ridge along y
    CHART_SHIP_R,  // moored freighter, bow to the right
    CHART_SHIP_L,
    CHART_SHIP_U,  // bow up
    CHART_SHIP_D,
    CHART_TANKER_R,
    CHART_TUG_R,
    CHART_TUG_L,
    CHART_TUG_U,
    CHART_TUG_D,
    CHART_OFFICE,    // harbour office with a red roof
    CHART_TANK,      // round oil tank
    CHART_TANKS2,    // two tanks in a bund
    CHART_GANTRY_H,  // gantry crane on rails along x
    CHART_GANTRY_V,
    CHART_GANTRY2,  // two container gantries
    CHART_CRANE,    // revolving quay crane
    CHART_CRANE2,
    CHART_BOXES,  // container stack
    CHART_BOXES_V,
    CHART_YARD,      // container yard
    CHART_WAGONS_H,  // rail wagons
    CHART_WAGONS_V,
    CHART_BOLLARDS_H,
    CHART_BOLLARDS_V,
    CHART_BUOY_R,
    CHART_BUOY_G,
    CHART_BUOY_Y,
    CHART_LIGHTHOUSE,
    CHART_TREE,
    CHART_TREES,
    CHART_PALM,
    CHART_PALMS,
    CHART_HOUSE_R,
    CHART_HOUSE_G,
    CHART_HOUSES,
    CHART_ICE,     // ice floe
    CHART_SAIL_R,  // sailing boat
    CHART_SAIL_U,
    CHART_MARINA,   // yachts at a pontoon
    CHART_FISHERS,  // fishing boats side by side
    CHART_BARGE_H,
    CHART_BARGE_V,
    CHART_TRUCK,
    CHART_TRUCKS,
    CHART_CARS,   // car park
    CHART_SILOS,  // grain silos
    CHART_FACTORY,
    CHART_MAST,    // flag mast
    CHART_PIER_H,  // wooden jetty
    CHART_PIER_V,
    CHART_DOLPHIN,  // mooring dolphin
    CHART_BEACH,
    CHART_ROCKS,
    CHART_DOME,    // domed roof
    CHART_PAGODA,  // tiered roof
    CHART_HELIPAD,
    CHART_PUMPS,   // fuel pumps
    CHART_RADAR,   // radar tower
    CHART_COAL,    // bulk heap
    CHART_TIMBER,  // timber stack
    CHART_WINDMILL,
};

struct SpriteRect {
    int32_t x0, y0, x1, y1;  // inclusive corners in the sheet
    ChartSpriteKind kind;
};

constexpr int32_t CHART_SPRITE_COUNT = 81;

// Row 0 is the hourglass; rows 1..80 the harbour objects.
inline constexpr SpriteRect g_chart_sprite_rects[CHART_SPRITE_COUNT] = {
    {271, 152, 295, 199, CHART_HOURGLASS},  // 0
    {2, 2, 51, 22, CHART_SHED_H},           // 1
    {256, 2, 295, 17, CHART_SHED_H},        // 2
    {102, 30, 131, 43, CHART_SHED_H},       // 3
    {298, 2, 313, 41, CHART_SHED_V},        // 4
    {134, 30, 147, 59, CHART_SHED_V},       // 5
    {256, 61, 279, 72, CHART_SHED_H},       // 6
    {296, 44, 307, 67, CHART_SHED_V},       // 7
    {96, 2, 159, 13, CHART_SHIP_R},         // 8
    {162, 2, 225, 13, CHART_SHIP_L},        // 9
    {2, 25, 49, 34, CHART_SHIP_R},          // 10
    {52, 30, 99, 39, CHART_SHIP_L},         // 11
    {24, 42, 61, 50, CHART_SHIP_R},         // 12
    {256, 50, 293, 58, CHART_SHIP_L},       // 13
    {228, 2, 239, 65, CHART_SHIP_U},        // 14
    {242, 2, 253, 65, CHART_SHIP_D},        // 15
    {192, 16, 201, 63, CHART_SHIP_U},       // 16
    {204, 16, 213, 63, CHART_SHIP_D},       // 17
    {290, 86, 303, 92, CHART_TUG_R},        // 18
    {2, 87, 15, 93, CHART_TUG_L},           // 19
    {53, 87, 59, 100, CHART_TUG_U},         // 20
    {102, 54, 122, 67, CHART_OFFICE},       // 21
    {150, 36, 169, 55, CHART_TANK},         // 22
    {290, 70, 303, 83, CHART_TANK},         // 23
    {216, 48, 225, 57, CHART_TANK},         // 24
    {256, 34, 285, 47, CHART_TANKS2},       // 25
    {50, 58, 79, 67, CHART_GANTRY_H},       // 26
    {216, 16, 225, 45, CHART_GANTRY_V},     // 27
    {56, 70, 70, 84, CHART_CRANE},          // 28
    {100, 70, 114, 84, CHART_CRANE2},       // 29
    {2, 75, 21, 84, CHART_BOXES},           // 30
    {110, 88, 121, 93, CHART_BOXES},        // 31
    {167, 70, 176, 89, CHART_BOXES_V},      // 32
    {54, 2, 93, 21, CHART_YARD},            // 33
    {179, 82, 218, 86, CHART_WAGONS_H},     // 34
    {73, 70, 77, 109, CHART_WAGONS_V},      // 35
    {54, 24, 83, 26, CHART_BOLLARDS_H},     // 36
    {316, 2, 318, 31, CHART_BOLLARDS_V},    // 37
    {216, 60, 220, 64, CHART_BUOY_R},       // 38
    {135, 76, 139, 80, CHART_BUOY_G},       // 39
    {208, 89, 212, 93, CHART_BUOY_Y},       // 40
    {306, 76, 316, 86, CHART_LIGHTHOUSE},   // 41
    {288, 34, 295, 41, CHART_TREE},         // 42
    {149, 84, 158, 93, CHART_TREE},         // 43
    {125, 62, 144, 73, CHART_TREES},        // 44
    {62, 87, 70, 95, CHART_PALM},           // 45
    {147, 70, 164, 81, CHART_PALMS},        // 46
    {221, 82, 232, 91, CHART_HOUSE_R},      // 47
    {264, 87, 273, 94, CHART_HOUSE_G},      // 48
    {150, 58, 179, 67, CHART_HOUSES},       // 49
    {2, 59, 21, 72, CHART_ICE},             // 50
    {135, 84, 146, 92, CHART_ICE},          // 51
    {162, 16, 189, 33, CHART_ICE},          // 52
    {194, 89, 205, 93, CHART_SAIL_R},       // 53
    {124, 88, 128, 99, CHART_SAIL_U},       // 54
    {64, 42, 87, 55, CHART_MARINA},         // 55
    {235, 82, 250, 88, CHART_FISHERS},      // 56
    {24, 70, 53, 77, CHART_BARGE_H},        // 57
    {310, 44, 317, 73, CHART_BARGE_V},      // 58
    {150, 30, 159, 33, CHART_TRUCK},        // 59
    {256, 75, 275, 84, CHART_TRUCKS},       // 60
    {182, 66, 205, 77, CHART_CARS},         // 61
    {208, 68, 231, 79, CHART_SILOS},        // 62
    {2, 37, 21, 56, CHART_FACTORY},         // 63
    {182, 54, 186, 62, CHART_MAST},         // 64
    {90, 46, 129, 51, CHART_PIER_H},        // 65
    {282, 61, 287, 100, CHART_PIER_V},      // 66
    {125, 54, 130, 59, CHART_DOLPHIN},      // 67
    {234, 68, 253, 79, CHART_BEACH},        // 68
    {24, 80, 37, 89, CHART_ROCKS},          // 69
    {172, 36, 187, 51, CHART_DOME},         // 70
    {82, 58, 97, 73, CHART_PAGODA},         // 71
    {183, 89, 191, 102, CHART_TUG_D},       // 72
    {80, 76, 93, 89, CHART_HELIPAD},        // 73
    {96, 87, 107, 94, CHART_PUMPS},         // 74
    {253, 87, 261, 95, CHART_RADAR},        // 75
    {96, 16, 159, 27, CHART_TANKER_R},      // 76
    {256, 20, 291, 31, CHART_GANTRY2},      // 77
    {24, 53, 47, 66, CHART_COAL},           // 78
    {117, 76, 132, 85, CHART_TIMBER},       // 79
    {40, 80, 50, 90, CHART_WINDMILL},       // 80
};
