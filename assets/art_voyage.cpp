// Stand-in pictures of this group until they are painted.
#include "assets/art.h"
#include "assets/picture_placeholders.h"

void paint_voyage_pictures(PictureImage* images) {
    for (int32_t n : {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 36}) paint_placeholder_picture(n, &images[n - 1]);
}
