// The pipeline's driver: builds, releases and recomputes the named items in
// the named stages, and keeps satellites and path current as time passes.
#include "pipeline/data.h"

#include <climits>

#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"

namespace {

constexpr unsigned kObjUpdateMs = 1000;  // satellites move once a second

}  // namespace

void init_data(int flags)
{
    if (flags & DATA_RAW) init_raw_data(flags);
    if (flags & DATA_PROJECTED) init_projection_data(flags);
    if (flags & DATA_SCREEN) init_screen_data(flags);
}

void free_data(int flags)
{
    if (flags & DATA_RAW) free_raw_data(flags);
    if (flags & DATA_PROJECTED) free_projection_data(flags);
    if (flags & DATA_SCREEN) free_screen_data(flags);
}

void update_data(int flags)
{
    if (flags & DATA_RAW) {
        update_raw_data(flags);
        update_projection_data(flags);
        update_screen_data(flags);
    }
    else if (flags & DATA_PROJECTED) {
        update_projection_data(flags);
        update_screen_data(flags);
    }
    else if (flags & DATA_SCREEN) {
        update_screen_data(flags);
    }
}

int tick_data(unsigned ms)
{
    static unsigned s_objTicks = 0;
    s_objTicks = ms > UINT_MAX - s_objTicks ? UINT_MAX : s_objTicks + ms;
    int flags;
    if (s_objTicks >= kObjUpdateMs) {
        // The excess is dropped: the next update is a whole second away.
        s_objTicks = 0;
        flags = DATA_RAW | DATA_OBJS;
        if (g_path.Tick(ms)) flags |= DATA_PATH;
    }
    else {
        if (!g_path.Tick(ms)) return 0;
        flags = DATA_RAW | DATA_PATH;
    }
    update_raw_data(flags);
    update_projection_data(flags);
    update_screen_data(flags);
    return flags & 0xFF;
}
