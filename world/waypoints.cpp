#include "world/routes.h"

// Each list runs from off port A to off port B and ends with the (0, 0) mark. Consecutive points
// may lie on either side of the date line; they are joined the short way. On a route with an event
// the miles up to the event's distance from port A, measured as the route lengths are, end at the
// event's place: the canal whose fee is due, Cape Horn, the Bermuda triangle, the reef or the shoals.

// London - New York
const Waypoint g_waypoints_route_1[] = {
    {0, 500}, {-80, 480}, {-280, 460}, {-480, 440}, {-650, 420}, {0, 0},
};
// London - Alexandria
const Waypoint g_waypoints_route_2[] = {
    {0, 505}, {-50, 485}, {-80, 455}, {-100, 425}, {-90, 365}, {-40, 360}, {-10, 370}, {35, 380}, {115, 380},
    {185, 375}, {220, 365}, {255, 335}, {0, 0},
};
// Rotterdam - Lagos
const Waypoint g_waypoints_route_3[] = {
    {5, 505}, {-50, 485}, {-180, 330}, {-180, 235}, {-180, 135}, {-115, 60}, {-70, 40}, {-5, 45}, {0, 0},
};
// Rotterdam - New York
const Waypoint g_waypoints_route_4[] = {
    {5, 505}, {-130, 495}, {-415, 495}, {-555, 495}, {-700, 420}, {0, 0},
};
// Hamburg - New York
const Waypoint g_waypoints_route_5[] = {
    {115, 545}, {75, 580}, {-125, 590}, {-700, 420}, {0, 0},
};
// Hamburg - Monrovia
const Waypoint g_waypoints_route_6[] = {
    {115, 545}, {85, 575}, {-10, 500}, {-50, 485}, {-125, 410}, {-180, 330}, {-180, 235}, {-180, 135},
    {-145, 85}, {0, 0},
};
// Marseilles - Buenos Aires
const Waypoint g_waypoints_route_7[] = {
    {25, 405}, {-25, 360}, {-75, 355}, {-150, 280}, {-225, 205}, {-300, 130}, {-310, 50}, {-310, -10},
    {-310, -70}, {-320, -130}, {-380, -190}, {-460, -270}, {-545, -355}, {0, 0},
};
// Marseilles - Dar-es-Salaam, to the canal 1800 nm out
const Waypoint g_waypoints_route_8[] = {
    {83, 388}, {165, 367}, {231, 359}, {280, 352}, {291, 339}, {330, 322}, {324, 306}, {324, 296},
    {373, 247}, {400, 190}, {435, 125}, {515, 120}, {490, 50}, {455, 10}, {415, -30}, {0, 0},
};
// Piraeus - Karachi
const Waypoint g_waypoints_route_9[] = {
    {236, 362}, {256, 336}, {290, 330}, {322, 316}, {324, 306}, {330, 291}, {370, 239}, {410, 170},
    {435, 125}, {520, 140}, {0, 0},
};
// Piraeus - Houston, across the Bermuda triangle 5000 nm out
const Waypoint g_waypoints_route_10[] = {
    {220, 365}, {120, 380}, {15, 380}, {-35, 360}, {-65, 357}, {-150, 330}, {-260, 305}, {-370, 285},
    {-480, 265}, {-590, 245}, {-660, 240}, {-765, 250}, {-815, 245}, {-915, 285}, {0, 0},
};
// Cape Town - Sydney
const Waypoint g_waypoints_route_11[] = {
    {205, -360}, {365, -520}, {525, -600}, {845, -600}, {1165, -600}, {1325, -555}, {1485, -395},
    {1515, -360}, {0, 0},
};
// Cape Town - San Francisco
const Waypoint g_waypoints_route_12[] = {
    {0, -390}, {-200, -470}, {-400, -510}, {-600, -560}, {-680, -590}, {-770, -540}, {-830, -500},
    {-830, -400}, {-830, -300}, {-830, -200}, {-830, -100}, {-840, 0}, {-1000, 100}, {-1100, 200},
    {-1200, 270}, {-1230, 300}, {0, 0},
};
// Lagos - Rio de Janeiro
const Waypoint g_waypoints_route_13[] = {
    {-5, 40}, {-100, -55}, {-200, -155}, {-295, -215}, {-395, -215}, {0, 0},
};
// Lagos - Marseilles
const Waypoint g_waypoints_route_14[] = {
    {-5, 40}, {-85, 40}, {-145, 90}, {-180, 140}, {-165, 265}, {-115, 315}, {-60, 360}, {-15, 365},
    {25, 405}, {0, 0},
};
// Jebel Dhanna - New York
const Waypoint g_waypoints_route_15[] = {
    {565, 265}, {605, 220}, {555, 165}, {506, 131}, {445, 120}, {430, 130}, {389, 201}, {330, 290},
    {324, 306}, {324, 321}, {200, 375}, {140, 380}, {75, 380}, {-15, 365}, {-60, 360}, {-95, 370},
    {-160, 410}, {-225, 410}, {-300, 410}, {-380, 410}, {-460, 410}, {-540, 410}, {-620, 410},
    {-700, 410}, {0, 0},
};
// Jebel Dhanna - Tokyo, past Pratas Reef (5000 nm out) and through the Taiwan Strait
const Waypoint g_waypoints_route_16[] = {
    {565, 265}, {578, 245}, {690, 155}, {800, 55}, {985, 55}, {1030, 10}, {1045, 20}, {1123, 94},
    {1168, 207}, {1230, 290}, {1375, 335}, {0, 0},
};
// New York - Marseilles
const Waypoint g_waypoints_route_17[] = {
    {-700, 410}, {-395, 410}, {-240, 410}, {-85, 360}, {-35, 360}, {-5, 375}, {25, 405}, {0, 0},
};
// New York - Lima, by the Windward Passage to the canal 2000 nm out
const Waypoint g_waypoints_route_18[] = {
    {-745, 365}, {-715, 280}, {-738, 200}, {-785, 120}, {-797, 92}, {-800, 75}, {-820, -5}, {-815, -70},
    {0, 0},
};
// Houston - Tokyo, round Cuba by the Florida Strait and the Windward Passage to the canal 2000 nm out
const Waypoint g_waypoints_route_19[] = {
    {-915, 265}, {-840, 245}, {-800, 238}, {-760, 225}, {-740, 200}, {-775, 140}, {-797, 92},
    {-800, 75}, {-840, 85}, {-1050, 190}, {-1250, 360}, {1435, 360}, {0, 0},
};
// Houston - Hong Kong, the same way to the canal as Houston - Tokyo
const Waypoint g_waypoints_route_20[] = {
    {-915, 265}, {-840, 245}, {-800, 238}, {-760, 225}, {-740, 200}, {-775, 140}, {-797, 92},
    {-800, 75}, {-840, 85}, {-1050, 190}, {-1185, 305}, {-1600, 400}, {1500, 300}, {1210, 210}, {0, 0},
};
// Hong Kong - Hamburg, by the Sunda Strait and south of Sri Lanka to the canal 7000 nm out
const Waypoint g_waypoints_route_21[] = {
    {1116, 177}, {1085, 80}, {1070, 0}, {1061, -55}, {1055, -67}, {996, -61}, {930, -20}, {870, 20},
    {810, 52}, {721, 79}, {650, 110}, {570, 125}, {450, 120}, {429, 126}, {388, 212}, {330, 290},
    {324, 306}, {321, 320}, {200, 375}, {140, 380}, {-15, 365}, {-60, 360}, {-95, 370}, {-95, 440},
    {-30, 500}, {5, 510}, {90, 575}, {115, 545}, {0, 0},
};
// Hong Kong - Vancouver
const Waypoint g_waypoints_route_22[] = {
    {1180, 230}, {1250, 300}, {1320, 370}, {1465, 505}, {1750, 505}, {-1565, 505}, {-1420, 505},
    {-1275, 505}, {0, 0},
};
// San Francisco - London, well offshore to the canal 3536 nm out
const Waypoint g_waypoints_route_23[] = {
    {-1235, 345}, {-1170, 220}, {-1050, 130}, {-900, 70}, {-820, 70}, {-800, 75}, {-797, 92},
    {-750, 140}, {-700, 190}, {-605, 285}, {-510, 380}, {-410, 480}, {-215, 495}, {-20, 500}, {0, 505},
    {0, 0},
};
// San Francisco - Singapore
const Waypoint g_waypoints_route_24[] = {
    {-1265, 395}, {-1575, 395}, {-1730, 395}, {1710, 395}, {1555, 395}, {1395, 345}, {1240, 205}, {1080, 45},
    {1075, 40}, {0, 0},
};
// Rio de Janeiro - Cape Town
const Waypoint g_waypoints_route_25[] = {
    {-400, -220}, {-200, -220}, {0, -280}, {0, 0},
};
// Rio de Janeiro - Sydney
const Waypoint g_waypoints_route_26[] = {
    {-470, -270}, {-530, -340}, {-585, -410}, {-700, -545}, {-855, -600}, {-1015, -600}, {-1330, -600},
    {-1645, -600}, {1795, -600}, {1635, -465}, {1540, -370}, {0, 0},
};
// Sydney - Hong Kong
const Waypoint g_waypoints_route_27[] = {
    {1535, -325}, {1530, -245}, {1465, -165}, {1420, -100}, {1360, -70}, {1300, -10}, {1300, 35}, {1260, 85},
    {1215, 130}, {1165, 180}, {0, 0},
};
// Sydney - Calcutta
const Waypoint g_waypoints_route_28[] = {
    {1535, -325}, {1530, -245}, {1420, -100}, {1245, -100}, {1155, -75}, {1065, -25}, {1005, 35}, {975, 90},
    {905, 185}, {0, 0},
};
// Tokyo - San Francisco
const Waypoint g_waypoints_route_29[] = {
    {1600, 380}, {1800, 380}, {-1600, 380}, {-1400, 380}, {0, 0},
};
// Tokyo - Rotterdam, by the Sunda Strait to the canal 8300 nm out
const Waypoint g_waypoints_route_30[] = {
    {1379, 333}, {1295, 270}, {1201, 190}, {1126, 91}, {1070, 0}, {1061, -55}, {1055, -67}, {1005, -54},
    {900, 0}, {801, 56}, {730, 75}, {641, 118}, {570, 125}, {442, 126}, {432, 127}, {384, 196},
    {330, 290}, {324, 306}, {321, 320}, {200, 375}, {75, 380}, {-60, 360}, {-95, 370}, {-95, 440},
    {-30, 500}, {0, 0},
};
// Vancouver - Lima
const Waypoint g_waypoints_route_31[] = {
    {-1250, 480}, {-1240, 385}, {-1120, 240}, {-960, 80}, {-880, 0}, {-800, -85}, {0, 0},
};
// Vancouver - Karachi
const Waypoint g_waypoints_route_32[] = {
    {-1275, 505}, {-1590, 505}, {1690, 505}, {1560, 500}, {1430, 370}, {1370, 335}, {1210, 185}, {1130, 105},
    {1050, 25}, {1035, 10}, {975, 55}, {795, 60}, {755, 95}, {690, 205}, {0, 0},
};
// Lima - Buenos Aires, offshore down the Chilean coast and round Cape Horn 3100 nm out
const Waypoint g_waypoints_route_33[] = {
    {-790, -180}, {-830, -330}, {-820, -470}, {-760, -550}, {-680, -580}, {-600, -460}, {-560, -360},
    {-565, -355}, {0, 0},
};
// Lima - Point Hope
const Waypoint g_waypoints_route_34[] = {
    {-805, -85}, {-910, 20}, {-965, 75}, {-1020, 130}, {-1125, 235}, {-1235, 345}, {-1305, 415},
    {-1375, 485}, {-1565, 570}, {-1665, 615}, {-1685, 660}, {-1685, 680}, {0, 0},
};
// Buenos Aires - Cape Town
const Waypoint g_waypoints_route_35[] = {
    {-545, -355}, {-375, -355}, {-200, -355}, {-30, -355}, {145, -355}, {0, 0},
};
// Buenos Aires - Dar-es-Salaam
const Waypoint g_waypoints_route_36[] = {
    {-545, -355}, {-345, -355}, {-140, -355}, {65, -355}, {270, -350}, {415, -180}, {410, -110}, {0, 0},
};
// Point Hope - Vancouver
const Waypoint g_waypoints_route_37[] = {
    {-1675, 680}, {-1685, 660}, {-1660, 610}, {-1565, 570}, {-1420, 570}, {-1275, 505}, {0, 0},
};
// Basrah - Piraeus
const Waypoint g_waypoints_route_38[] = {
    {505, 280}, {550, 260}, {565, 265}, {599, 226}, {579, 182}, {551, 170}, {494, 142}, {445, 120},
    {430, 130}, {400, 180}, {363, 247}, {330, 288}, {324, 306}, {320, 316}, {275, 360}, {0, 0},
};
// Basrah - Hong Kong
const Waypoint g_waypoints_route_39[] = {
    {505, 280}, {550, 260}, {565, 265}, {580, 250}, {690, 155}, {800, 55}, {890, 55}, {985, 55}, {1030, 10},
    {1040, 15}, {1095, 120}, {1120, 180}, {0, 0},
};
// Pearl Harbor - San Francisco
const Waypoint g_waypoints_route_40[] = {
    {-1500, 250}, {-1300, 300}, {0, 0},
};
// Pearl Harbor - Hong Kong
const Waypoint g_waypoints_route_41[] = {
    {-1700, 200}, {1700, 200}, {1500, 200}, {1300, 200}, {1200, 200}, {0, 0},
};
// Monrovia - Rio de Janeiro
const Waypoint g_waypoints_route_42[] = {
    {-150, 35}, {-270, -85}, {-330, -145}, {-395, -210}, {0, 0},
};
// Monrovia - Rotterdam
const Waypoint g_waypoints_route_43[] = {
    {-140, 85}, {-180, 135}, {-180, 255}, {-155, 380}, {-35, 500}, {5, 505}, {0, 0},
};
// Panama - Hamburg, over Serrana Bank (300 nm out) and the Windward Passage
const Waypoint g_waypoints_route_44[] = {
    {-801, 118}, {-802, 143}, {-740, 200}, {-720, 230}, {-590, 310}, {-410, 490}, {-230, 590},
    {-45, 590}, {95, 570}, {115, 545}, {0, 0},
};
// Panama - New York
const Waypoint g_waypoints_route_45[] = {
    {-750, 170}, {-760, 210}, {-660, 240}, {-660, 340}, {0, 0},
};
// Singapore - Marseilles
const Waypoint g_waypoints_route_46[] = {
    {1025, 15}, {981, 53}, {885, 55}, {795, 60}, {729, 118}, {645, 125}, {574, 116}, {490, 125},
    {435, 125}, {381, 207}, {361, 236}, {330, 290}, {324, 306}, {321, 320}, {230, 355}, {150, 380},
    {95, 415}, {0, 0},
};
// Singapore - Buenos Aires, by the Sunda Strait past the Cocos (Keeling) reefs 1000 nm out
const Waypoint g_waypoints_route_47[] = {
    {1058, -20}, {1066, -38}, {1065, -45}, {1059, -59}, {970, -119}, {510, -390}, {290, -500},
    {70, -500}, {-240, -500}, {-550, -365}, {0, 0},
};
// Dar-es-Salaam - Sydney
const Waypoint g_waypoints_route_48[] = {
    {430, -85}, {510, -130}, {735, -355}, {965, -395}, {1295, -395}, {1490, -390}, {1515, -360}, {0, 0},
};
// Dar-es-Salaam - Tokyo, past North Danger Reef in the Spratly Islands 5000 nm out
const Waypoint g_waypoints_route_49[] = {
    {430, -50}, {495, 15}, {565, 55}, {630, 55}, {700, 55}, {835, 55}, {970, 55}, {1035, 10}, {1120, 95},
    {1205, 180}, {1290, 265}, {1375, 335}, {0, 0},
};
// Alexandria - Hamburg
const Waypoint g_waypoints_route_50[] = {
    {255, 335}, {210, 370}, {165, 375}, {75, 380}, {30, 380}, {-15, 365}, {-60, 360}, {-95, 370}, {-95, 440},
    {-65, 470}, {-30, 500}, {5, 510}, {45, 550}, {90, 575}, {115, 545}, {0, 0},
};
// Alexandria - New York
const Waypoint g_waypoints_route_51[] = {
    {255, 335}, {165, 375}, {75, 380}, {-60, 360}, {-95, 370}, {-225, 410}, {-380, 410}, {-460, 410},
    {-540, 410}, {-620, 410}, {-700, 410}, {0, 0},
};
// Karachi - San Francisco, past Scarborough Shoal 4000 nm out
const Waypoint g_waypoints_route_52[] = {
    {690, 205}, {775, 75}, {810, 55}, {985, 55}, {1030, 10}, {1045, 20}, {1170, 145}, {1295, 270},
    {1545, 395}, {1740, 395}, {-1660, 395}, {-1465, 395}, {-1265, 395}, {0, 0},
};
// Karachi - London
const Waypoint g_waypoints_route_53[] = {
    {628, 221}, {596, 164}, {528, 123}, {480, 130}, {445, 120}, {431, 122}, {378, 198}, {371, 242},
    {330, 290}, {324, 306}, {321, 320}, {200, 375}, {140, 380}, {75, 380}, {-15, 365}, {-60, 360},
    {-95, 370}, {-95, 440}, {-30, 500}, {0, 505}, {0, 0},
};
// Calcutta - Rotterdam, south of the Maldives to the canal 5000 nm out
const Waypoint g_waypoints_route_54[] = {
    {862, 193}, {840, 120}, {810, 52}, {760, 20}, {742, -13}, {686, -1}, {654, 11}, {587, 71},
    {525, 120}, {450, 120}, {432, 127}, {390, 205}, {365, 250}, {330, 290}, {324, 306}, {321, 320},
    {225, 365}, {200, 375}, {140, 380}, {75, 380}, {-15, 365}, {-60, 360}, {-95, 370}, {-95, 440},
    {-30, 500}, {5, 505}, {0, 0},
};
// Calcutta - Houston, south of the Maldives to the canal 5000 nm out
const Waypoint g_waypoints_route_55[] = {
    {862, 193}, {840, 120}, {810, 52}, {760, 20}, {742, -13}, {686, -1}, {654, 11}, {587, 71},
    {525, 120}, {450, 120}, {432, 127}, {390, 205}, {365, 250}, {330, 290}, {324, 306}, {321, 320},
    {200, 375}, {75, 380}, {-15, 365}, {-60, 360}, {-150, 360}, {-290, 360}, {-435, 360}, {-580, 360},
    {-720, 340}, {-765, 295}, {-815, 250}, {-915, 285}, {0, 0},
};
