#include "voyage/animated_boxes.h"

#include "engine/frame.h"
#include "engine/palette_cycle.h"
#include "engine/picture.h"
#include "engine/timing.h"
#include "ui/input_poll.h"

void palette_wave_step(int32_t* tick, int32_t* phase, int32_t quiet) {
    if (*tick % 3 == 0) {
        palette_cycle(1, 6, 0);                                    // the near swell
        if (*phase % 2 == 0 && quiet == 0) palette_cycle(12, 4, 0);  // the spray
        if (*phase % 3 != 0) palette_cycle(7, 5, 0);               // the far swell
        *phase += 1;
    }
    *tick += 1;
    palette_set_cycle_colours(&g_picture_palette[0][0]);
    wait_tick();
}

void wait_dialog_animated(int32_t quiet) {
    int32_t tick = 0;
    int32_t phase = 0;
    // Only an answer ends the wait, as in every other message box: a quit asked for meanwhile
    // takes no answer for the player (closing the window ends the program wherever it waits).
    do {
        input_poll();
        if (g_command != 0) break;
        palette_wave_step(&tick, &phase, quiet);
    } while (true);
}

void message_box_animated(TextLines lines, int32_t quiet) {
    message_box_open(lines, 0);
    wait_dialog_animated(quiet);
    message_box_close();
}

int32_t choice_box_animated(TextLines lines, const char* yes, const char* no, int32_t quiet) {
    ask_box_open(lines, yes, no, 0);
    wait_dialog_animated(quiet);
    ask_box_close();
    if (g_command == REQUESTER_YES || g_command == 1) return 1;
    if (g_command == REQUESTER_NO) return 0;
    return -1;
}
