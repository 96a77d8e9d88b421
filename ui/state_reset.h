// The toolkit's globals back to their values at program start: no gadgets, no command, no menu
// strip, no open requester, no game file, no map under the letters.
#pragma once

void ui_state_reset();
