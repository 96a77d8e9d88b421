// The small pieces the incident screens share: text lines from ids, the picture of an incident
// behind the ship's caption, and a raised box with an OK button that waits for it.
#pragma once

#include <cstdint>

#include "lang/lang.h"
#include "ui/requester.h"
#include "ui/screen_layout.h"

struct Shipowner;
struct Ship;

constexpr int32_t INCIDENT_LINES_MAX = 8;

// Lines for a box or letter: the texts of the ids, ended by a null line (count < INCIDENT_LINES_MAX).
struct IncidentLines {
    const char* line[INCIDENT_LINES_MAX];
};
void incident_lines_fill(IncidentLines* lines, const TextId* ids, int32_t count);

// The world map with the ship's blink, then the picture on a black backdrop and the caption.
void incident_picture_show(int32_t player, Shipowner* shipowner, Ship* ship, int32_t picture);
// The raised box of texts with its OK button (command 1); waits for OK or the quit flag.
void incident_ok_box(const ScreenButton* ok, const ScreenBox* box, const ScreenText* texts);
