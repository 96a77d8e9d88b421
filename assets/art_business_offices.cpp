// Pictures 3..6: the four offices.
#include "assets/art_business.h"

void paint_biz_office(int32_t, PictureImage*) {}
