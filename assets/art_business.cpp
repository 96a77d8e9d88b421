// Stand-in pictures of this group until they are painted.
#include "assets/art.h"
#include "assets/picture_placeholders.h"

void paint_business_pictures(PictureImage* images) {
    for (int32_t n : {2, 3, 4, 5, 6, 7, 8, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 42, 43, 44, 45}) paint_placeholder_picture(n, &images[n - 1]);
}
