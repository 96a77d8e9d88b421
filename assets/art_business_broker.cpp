// Pictures 7 and 42: the broker's lift hall and lift panel.
#include "assets/art_business.h"

void paint_biz_lift_hall(PictureImage*) {}
void paint_biz_lift_panel(PictureImage*) {}
