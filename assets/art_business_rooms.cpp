// Pictures 25, 43 and 44: elimination notice, information wall and chart room.
#include "assets/art_business.h"

void paint_biz_elimination(PictureImage*) {}
void paint_biz_information(PictureImage*) {}
void paint_biz_positions(PictureImage*) {}
