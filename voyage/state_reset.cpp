#include "voyage/state_reset.h"

#include "voyage/sinking.h"
#include "voyage/voyage_panel.h"

void voyage_state_reset() {
    for (SinkBubble& b : g_sink_bubbles) b = SinkBubble{};
    voyage_panel_reset();
}
