// The pipeline's driver: builds, releases and recomputes the named items in
// the named stages, and keeps satellites and path current as time passes.
#pragma once

// Stage bits; callers write 0xF000 for all three.
constexpr int DATA_RAW = 0x1000;
constexpr int DATA_PROJECTED = 0x2000;
constexpr int DATA_SCREEN = 0x4000;

// Item bits; 0xFF for all.
constexpr int DATA_LAT = 0x01;
constexpr int DATA_LON = 0x02;
constexpr int DATA_LINES = 0x04;
constexpr int DATA_OBJS = 0x08;
constexpr int DATA_PATH = 0x10;

void init_data(int flags);
void free_data(int flags);
// A named stage is always followed by the stages below it.
void update_data(int flags);
// Once per main-loop pass with the milliseconds since the last; the item
// bits it updated, 0 when nothing was due.
int tick_data(unsigned ms);
