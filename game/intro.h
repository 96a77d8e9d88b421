// The title picture and the intro, which the space bar skips or cuts short.
#pragma once

// The title, then (unless a space bar waits when the title has shown) the three-part intro.
void play_title_and_intro();
