// Stand-in pictures of this group until they are painted.
#include "assets/art.h"
#include "assets/picture_placeholders.h"

void paint_main_pictures(PictureImage* images) {
    for (int32_t n : {1, 9, 10, 35, 37, 38, 39, 40, 41}) paint_placeholder_picture(n, &images[n - 1]);
}
