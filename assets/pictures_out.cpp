// The two picture files: every picture painted by its group's painter, then packed and written.
#include <vector>

#include "assets/art.h"
#include "assets/assets.h"
#include "assets/picture_writer.h"

int write_picture_files(const std::string& dir) {
    std::vector<PictureImage> images(PICTURE_IMAGE_COUNT);
    paint_main_pictures(images.data());
    paint_business_pictures(images.data());
    paint_voyage_pictures(images.data());
    return write_picture_pair(dir, images.data());
}
