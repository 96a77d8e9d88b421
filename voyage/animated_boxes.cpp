#include "voyage/animated_boxes.h"

// The sea pictures do not move yet, and the boxes answer at once.
void palette_wave_step(int32_t*, int32_t*, int32_t) {}
void wait_dialog_animated(int32_t) {}
void message_box_animated(TextLines, int32_t) {}
int32_t choice_box_animated(TextLines, const char*, const char*, int32_t) {
    return -1;
}
