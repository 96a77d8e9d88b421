// The two picture files, with stand-in pictures until the real ones are painted.
#include <vector>

#include "assets/assets.h"
#include "assets/picture_placeholders.h"
#include "assets/picture_writer.h"

int write_picture_files(const std::string& dir) {
    std::vector<PictureImage> images(PICTURE_IMAGE_COUNT);
    for (int32_t n = 1; n <= PICTURE_IMAGE_COUNT; ++n) paint_placeholder_picture(n, &images[n - 1]);
    return write_picture_pair(dir, images.data());
}
