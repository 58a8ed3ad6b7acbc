// The settings that the console changes reach the map pipeline at once.
#include "settings/var_set.h"

#include "pipeline/data.h"
#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "pipeline_env.h"

#include <filesystem>

#include "FifoWatchdog.h"

namespace {

class VarSetHooksTest : public PipelineTest {};

}  // namespace

TEST_F(VarSetHooksTest, MarkerSizeResizesEveryMarkerRecentredAtTheNextUpdate)
{
    load_objects(iss_set("A", "00001") + iss_set("B", "00002"));
    start({0, 0, 800, 600});
    EXPECT_FALSE(var_set_int(VAR_OBJ_SIZE, 16) || var_set_int(VAR_OBJ_SIZE, 0));
    EXPECT_TRUE(g_orbRectsS[1].w == 3 && g_orbRectsS[1].x == g_oePtsS[1].x - 1);
    ASSERT_TRUE(var_set_int(VAR_OBJ_SIZE, 4));
    EXPECT_TRUE(g_orbRectsS[1].w == 4 && g_orbRectsS[1].h == 4);
    update_data(DATA_PROJECTED | DATA_OBJS);
    EXPECT_TRUE(g_orbRectsS[1].x == g_oePtsS[1].x - 2 && g_orbRectsS[1].y == g_oePtsS[1].y - 2);
}

TEST_F(VarSetHooksTest, MoreOrbitsLengthenTheShownPathAndPathSizeResizesIt)
{
    load_objects(iss_set("A", "00001"));
    start({0, 0, 800, 600});
    select(1);
    g_path.EnablePolylines(false);
    g_path.Reset();
    update_data(DATA_RAW | DATA_PATH);
    EXPECT_FALSE(var_set_int(VAR_PATH_ORBITS, 9));
    ASSERT_TRUE(var_set_int(VAR_PATH_ORBITS, 8));
    ASSERT_EQ(g_opMP.numPoints, 720u);
    for (unsigned i = 0; i < 720; ++i) ASSERT_EQ(g_opRectsS[i].w, 3) << i;

    const point2i_t centre{g_opRectsS[5].x + 1, g_opRectsS[5].y + 1};
    EXPECT_FALSE(var_set_int(VAR_PATH_SIZE, 16));
    ASSERT_TRUE(var_set_int(VAR_PATH_SIZE, 7));
    EXPECT_TRUE(g_opRectsS[5].w == 7 && g_opRectsS[5].x == centre.x - 3 && g_opRectsS[719].h == 7);
}

// A missing file shows what the next start with that name would: nothing.
TEST_F(VarSetHooksTest, ANewCoastlineFileIsDrawnAtOnceAndAMissingOneLeavesNone)
{
    start({0, 0, 800, 600});
    var_set_str(VAR_LINES_DATA, dir.write("c.dat", "-180 90\n180 -90\n").c_str());
    ASSERT_EQ(g_coastlinesS.numPoints, 2u);
    EXPECT_TRUE(g_coastlinesS.points[0].x == g_boundsS.x0 && g_coastlinesS.points[1].y == g_boundsS.y1);
    var_set_str(VAR_LINES_DATA, (dir / "missing.dat").c_str());
    EXPECT_TRUE(g_coastlines.numPoints == 0 && g_coastlines.numLines == 0);
    EXPECT_TRUE(g_coastlinesMP.numPoints == 0 && g_coastlinesMP.numLines == 0);
    EXPECT_TRUE(g_coastlinesS.numPoints == 0 && g_coastlinesS.numLines == 0);
}

// A set that waited on a FIFO would hang the program, and every later start.
TEST_F(VarSetHooksTest, AFifoOrAFolderAsTheCoastlineFileLeavesNoneAtOnce)
{
    start({0, 0, 800, 600});
    var_set_str(VAR_LINES_DATA, dir.write("c.dat", "-180 90\n180 -90\n").c_str());
    ASSERT_EQ(g_coastlinesS.numPoints, 2u);
    const std::string fifo = make_fifo(dir / "pipe.dat");
    std::filesystem::create_directory(dir / "folder.dat");
    FifoWatchdog dog(fifo);
    for (const std::string& name : {fifo, dir / "folder.dat"}) {
        var_set_str(VAR_LINES_DATA, dir.write("c.dat", "-180 90\n180 -90\n").c_str());
        var_set_str(VAR_LINES_DATA, name.c_str());
        EXPECT_TRUE(g_coastlinesS.numPoints == 0 && g_coastlines.numLines == 0) << name;
    }
    EXPECT_FALSE(dog.Stop()) << "waited on the FIFO";
}

TEST_F(VarSetHooksTest, ANewObjectListReplacesTheSatellitesAndDropsTheSelection)
{
    load_objects(iss_set("A", "00001"));
    start({0, 0, 800, 600});
    select(1);
    const std::string other = dir.write("other.txt", iss_set("B", "00002") + iss_set("C", "00003"));
    var_set_str(VAR_OBJ_DATA, dir.write("list2.txt", other + "\n").c_str());
    EXPECT_EQ(g_var.sel.obj, nullptr);
    ASSERT_EQ(g_objs.m_count, 2u);
    EXPECT_TRUE(g_oePointsMP != nullptr && g_orbRectsS[1].w == 3);
    EXPECT_EQ(obj_catnum(g_objs.m_head), 2u);
}
