#include "tests/screens/screens.h"

// One row per screen; add yours here.
const ScreenEntry g_screens[] = {
    {"message_box", screen_message_box},
    {"question", screen_question},
    {"letter", screen_letter},
    {"file_requester", screen_file_requester},
    {nullptr, nullptr},
};
