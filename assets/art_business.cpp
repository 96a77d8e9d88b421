// The business pictures: each painted by its own painter, all with the group's one palette.
#include "assets/art_business.h"

#include "assets/art.h"

void paint_business_pictures(PictureImage* images) {
    for (int32_t n : BIZ_PICTURES) {
        PictureImage* image = &images[n - 1];
        biz_palette(image);
        paint_clear(image, 0);
    }
    paint_biz_bunkering(&images[1]);
    for (int32_t style = 0; style < 4; ++style) paint_biz_office(style, &images[2 + style]);
    paint_biz_lift_hall(&images[6]);
    paint_biz_statistics(&images[7]);
    paint_biz_elimination(&images[24]);
    paint_biz_shipyard(&images[25]);
    for (int32_t model = 1; model <= 7; ++model) paint_biz_ship_model(model, &images[25 + model]);
    paint_biz_crown(&images[33]);
    paint_biz_lift_panel(&images[41]);
    paint_biz_information(&images[42]);
    paint_biz_positions(&images[43]);
    paint_biz_ranking(&images[44]);
}
