// Picture 2: the bunkering station.
#include "assets/art_business.h"

void paint_biz_bunkering(PictureImage*) {}
