#include "voyage/state_reset.h"

#include "voyage/hourglass.h"
#include "voyage/relief.h"
#include "voyage/sim_state.h"
#include "voyage/sinking.h"
#include "voyage/voyage_panel.h"

void voyage_state_reset() {
    for (SinkBubble& b : g_sink_bubbles) b = SinkBubble{};
    voyage_panel_reset();
    sim_state_reset();
    hourglass_state_reset();
    for (ReliefOffset& o : g_relief_offsets) o = {};
    g_relief_edge_id = 1;
}
