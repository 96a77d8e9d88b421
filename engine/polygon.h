// Filled polygons of the manoeuvring charts: a path of points built with move and line operations,
// then filled once (solid, in a chart style, or in a shade of a 64-step palette ramp), optionally
// outlined. Every fill consumes the path.
#pragma once

#include <cstdint>

enum : uint32_t { PATH_MOVE = 0, PATH_LINE = 1 };

struct PathNode {
    PathNode* next;  // null at the end
    uint32_t kind;   // PATH_MOVE or PATH_LINE
    int32_t x;
    int32_t y;
};

// Chart styles of polygon_fill_styled (any other style fills solid in the caller's colour).
enum : uint32_t {
    FILL_STYLE_LAND = 27,   // colour 56, solid
    FILL_STYLE_SHOAL = 28,  // colour 25, stippled
    FILL_STYLE_ICE = 29,    // colour 27, stippled
    FILL_STYLE_GREEN = 30,  // colour 26, solid
};

extern PathNode* g_path_head;
extern int32_t g_path_start_x;  // the point of the last move, where the open contour is closed
extern int32_t g_path_start_y;
extern uint32_t g_polygon_fill_style;

// Closes the open contour when a path exists, then starts a new contour at (x, y).
void polygon_move_to(int32_t x, int32_t y);
void polygon_line_to(int32_t x, int32_t y);
void set_polygon_fill_style(uint32_t style);
// The fills close the open contour, fill by the even-odd rule, draw the outline in g_draw_color
// when outline is 1, free the path and return 0. Without a path they do nothing.
int32_t polygon_fill_color(int32_t outline, uint32_t colour);
int32_t polygon_fill_styled(int32_t outline);
// Writes the ramp from interface colour a to b into colours 64..127 and fills in colour 64 + s / 4,
// s being shade clamped to 0..255; the outline takes that colour too.
int32_t polygon_fill_gradient(int32_t colour_a, int32_t colour_b, int32_t shade, int32_t outline);
// Draws every edge of the path (a node to a following line node) in g_draw_color, clipped.
void polygon_draw_outline();
