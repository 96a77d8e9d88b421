// The harbour screen: the port pictures, the harbour sheet with the port's view and description,
// and the arrival report in the report font.
#pragma once

#include <cstdint>

#include "business/harbour_layout.h"
#include "lang/lang.h"
#include "ui/requester.h"
#include "world/ports.h"

struct Shipowner;
struct Ship;

constexpr int32_t PORT_INFO_LINES = 8;  // the third is blank: the rule is drawn over it
constexpr int32_t HARBOUR_SHEET_PICTURE = 36;

// The description of each port row, line by line; row 0 has none.
extern const TextId g_port_info_texts[PORT_COUNT + 1][PORT_INFO_LINES];

// The report's lines; the blank ones hold " ".
struct ArrivalReport {
    char company[48];
    char ship[48];
    char from[48];
    char with[48];
    char result[48];
    char cash[48];
    char condition[48];
    char fuel[48];
};

// Each line of the null-ended list in sys7b without background, line k at (x + 1, y + 1 + 9k),
// then the extra line, when given, at (x + 1, y + 19). Either may be null.
void draw_text_lines(int32_t x, int32_t y, int32_t colour, TextLines lines, const char* extra);
// The port picture that holds the ship's port view into the background, the harbour sheet into
// the sheet buffer, black backdrop.
void show_port_picture(const Ship* ship);
// The corner of port's view in its port picture; 0 when the port has no view (New York).
int32_t port_view_corner(int32_t port, int32_t* x, int32_t* y);
// The sheet whole, the port's view in its window and the port's description.
void draw_port_view_and_info(const Ship* ship);
// The company and ship lines, with the voyage lines blank.
void arrival_report_start(const Shipowner* shipowner, const Ship* ship, ArrivalReport* report);
// The cash, condition and fuel lines as they stand now.
void arrival_report_refresh(const Shipowner* shipowner, const Ship* ship, ArrivalReport* report);
void draw_arrival_report(const ArrivalReport* report);
