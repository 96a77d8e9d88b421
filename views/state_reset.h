// The shared views back to the state the start-up gives them: the main screen not shown, no run
// button image, the dial and panel at rest, the globe at the origin and drawn as a 192 x 170
// ellipse, the locator's position pad
// with its knob in the middle, and the world map under every letter.
#pragma once

void views_state_reset();
