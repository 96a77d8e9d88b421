// The main group of pictures: main screen and its letter paper, title, intro, set-up, load and
// farewell. Pictures shown together are painted by one painter so that they share the palette.
#include "assets/art.h"
#include "assets/art_main.h"

void paint_main_pictures(PictureImage* images) {
    paint_main_screen_pictures(&images[0], &images[36]);
    paint_title_picture(&images[8]);
    paint_intro_pictures(&images[9], &images[34]);
    paint_captains_picture(&images[37]);
    paint_farewell_picture(&images[38]);
    paint_chart_desk_picture(&images[39]);
    paint_registry_picture(&images[40]);
}
