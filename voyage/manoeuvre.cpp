#include "voyage/manoeuvre.h"

// Not open yet: every episode succeeds at once.
int32_t manoeuvre_run(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const char*) {
    return MANOEUVRE_SUCCESS;
}
