// Pictures 8, 34 and 45: property statistics, crown and ranking list.
#include "assets/art_business.h"

void paint_biz_statistics(PictureImage*) {}
void paint_biz_crown(PictureImage*) {}
void paint_biz_ranking(PictureImage*) {}
