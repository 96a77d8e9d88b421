// The toolkit's screens: a message box, a question, a letter and the file requester, each over the
// test picture.
#include <filesystem>
#include <fstream>

#include "host/headless_host.h"
#include "tests/screens/screens.h"
#include "ui/file_requester.h"
#include "ui/letter.h"
#include "ui/requester.h"

void screen_message_box(ScreenShot* shot) {
    const char* lines[] = {"The MS Aurora has reached Rotterdam.", "Her cargo is ready for unloading.",
                           nullptr};
    message_box_open(lines, 0);
    screens_shot_frame(shot);
    message_box_close();
}

void screen_question(ScreenShot* shot) {
    const char* lines[] = {"Do you really want to quit?", nullptr};
    ask_box_open(lines, "yes", "no", 0);
    screens_shot_frame(shot);
    ask_box_close();
}

void screen_letter(ScreenShot* shot) {
    const char* lines[] = {"We regret to inform you that", "your ship was held in port",
                           "for a customs inspection.", nullptr};
    headless_script(5000, HEADLESS_KEY, 13);
    letter_show(0, nullptr, nullptr, lines, 0);
    screens_shot_frame(shot);  // a letter stays on screen until the caller redraws
}

void screen_file_requester(ScreenShot* shot) {
    std::filesystem::create_directory("games");
    for (const char* name :
         {"atlantic.trp", "pacific.trp", "coaster.trp", "tanker.trp", "liner.trp", "ferry.trp", "BULKER.TRP"})
        std::ofstream(std::string("games/") + name) << "x";
    char file[FILE_FIELD_SIZE] = "";
    char drawer[DRAWER_FIELD_SIZE] = "games\\*.trp";
    char path[FILE_REQUESTER_PATH_SIZE] = "";
    headless_script(100, HEADLESS_KEY, 13);  // the drawer field ends; the file field is active
    headless_script_text(300, "voyage1");
    headless_script(1200, HEADLESS_KEY, 'P');  // page the list down
    headless_script(1500, HEADLESS_KEY, 13);
    headless_script(1700, HEADLESS_KEY, 13);  // OK
    file_requester("Load a game:", file, drawer, path);
    screens_shot_presented(shot);
    std::filesystem::remove_all("games");
}
