// Shared by the pipeline tests: every stage emptied and the store at its
// defaults around each test, "now" pinned, and satellites made to order.
#include "pipeline_env.h"

#include <cstdio>

#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "settings/var.h"
#include "settings/var_set.h"
#include "tle_text.h"

namespace {

const var_t s_defaults = g_var;

}  // namespace

void PipelineTest::SetUp()
{
    g_var = s_defaults;
    free_data(0xF0FF);
    obj_pin_clock(kSept7);
}

void PipelineTest::TearDown()
{
    g_var.sel.obj = nullptr;
    free_data(0xF0FF);
    obj_unpin_clock();
    g_var = s_defaults;
}

void PipelineTest::load_objects(const std::string& elements)
{
    const std::string file = dir.write("elements.txt", elements);
    var_set_obj_data(dir.write("datamgr.txt", file + "\n").c_str());
    free_data(0xF000 | DATA_OBJS);
    init_data(0xF000 | DATA_OBJS);
}

object_t* PipelineTest::select(unsigned catnum)
{
    g_var.sel.obj = obj_find(catnum, g_objs.m_head);
    g_var.sel.catnum = static_cast<int>(catnum);
    return g_var.sel.obj;
}

void PipelineTest::start(SDL_Rect r)
{
    free_data(0xF0FF);
    init_data(0xF0FF);
    update_data(0x10FF);
    set_screen_rect(&r);
}

std::string iss_set(const char* name, const char* catField, const char* meanMotion)
{
    char l1[80], l2[80];
    std::snprintf(l1, sizeof l1, "1 %sU 98067A   26249.46623009  .00004151  00000+0  83451-4 0  999",
                  catField);
    std::snprintf(l2, sizeof l2, "2 %s  51.6308 257.8166 0005026 113.2307 246.9211 %s58435", catField,
                  meanMotion);
    return std::string(name) + "\n" + with_checksum(l1) + "\n" + with_checksum(l2) + "\n";
}

std::string stations_path() { return std::string(OV_TEST_DATA_DIR) + "/elements/stations-2026-09.txt"; }
