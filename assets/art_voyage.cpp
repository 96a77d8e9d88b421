// The voyage pictures: incidents, the manoeuvring sheet, port views and the harbour sheet, the
// gale, the radar console and the sinking scene. images[n - 1] is picture n.
#include "assets/art_voyage.h"

#include "assets/art.h"

void paint_voyage_pictures(PictureImage* images) {
    paint_rescue_pictures(&images[10], &images[11]);
    paint_chart_sheet(&images[12]);
    paint_harbour_pictures(&images[13], &images[14], &images[15], &images[35]);
    paint_epidemic_picture(&images[16]);
    paint_rats_picture(&images[17]);
    paint_robbery_picture(&images[18]);
    paint_unused_picture(&images[19]);
    paint_gale_picture(&images[20]);
    paint_radar_picture(&images[21]);
    paint_sinking_pictures(&images[22], &images[23]);
}
