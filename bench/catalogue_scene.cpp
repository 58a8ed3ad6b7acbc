// Shared by the map benchmarks: the published catalogue named by an object
// list in a scratch folder, the coastlines shipped, and every stage built.
#include "catalogue_scene.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "settings/var_set.h"

CatalogueScene::CatalogueScene()
{
    char name[] = "/tmp/ov_bench_XXXXXX";
    if (!mkdtemp(name)) std::abort();
    dir = name;
    const std::string list = dir + "/datamgr.txt";
    std::ofstream(list, std::ios::binary) << OV_TEST_DATA_DIR << "/elements/active-2026-05.txt\n";
    obj_pin_clock(kMay8);
    var_set_obj_data(list.c_str());
    var_set_lines_data(OV_TEST_DATA_DIR "/../../data/world.dat");
    init_data(0xF0FF);
    update_data(0x10FF);
}

CatalogueScene::~CatalogueScene()
{
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}
