// Stand-ins for the pictures of the main group that are not painted yet.
#include "assets/art_main.h"
#include "assets/picture_placeholders.h"

void paint_main_screen_pictures(PictureImage* screen, PictureImage* letter) {
    paint_placeholder_picture(1, screen);
    main_screen_palette(screen);
    main_screen_palette(letter);
    paint_letter_paper(letter);
}
void paint_captains_picture(PictureImage* image) { paint_placeholder_picture(38, image); }
void paint_registry_picture(PictureImage* image) { paint_placeholder_picture(41, image); }
