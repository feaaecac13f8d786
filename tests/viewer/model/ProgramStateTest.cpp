// The one reset of program-wide state that every test fixture relies on.
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"

#include <gtest/gtest.h>

namespace util = mdlRKVUtilities;

// A test that leaves each piece of state changed (each to a value of its
// own) must not be seen by the next one: a reset that forgets one piece
// lets tests pass or fail by their order.
TEST(ProgramState, ResetLeavesNothingOfAnEarlierTest)
{
    util::LastModelPath = "/m/";
    util::LastPalettePath = "/p/";
    util::LastSchemePath = "/s/";
    util::LastColorPath = "/c/";
    util::PromptSaveOnChanges = false;
    util::PaletteModified = util::SchemeModified = true;
    util::CurrentZoom = 37;
    util::EditColor = 0x123456;
    util::EditCancelled = util::PrintAllPages = true;
    util::Model.PageCount = 3;
    util::Model.RegionNames = QStringList{"Roof"};
    util::PaletteCount = 5;
    util::PaletteColors[4] = util::ColorRecord{1, 2, 3, -4};
    util::SchemeNames[255] = "Chimney";

    util::ResetProgramState();

    const QStringList folders{util::LastModelPath, util::LastPalettePath, util::LastSchemePath, util::LastColorPath};
    EXPECT_EQ(folders, QStringList(4, QString()));
    EXPECT_TRUE(util::PromptSaveOnChanges);
    EXPECT_FALSE(util::PaletteModified || util::SchemeModified || util::EditCancelled || util::PrintAllPages);
    EXPECT_EQ(util::CurrentZoom, 100);
    EXPECT_EQ(util::EditColor, 0);
    EXPECT_EQ(util::Model.PageCount, 0);
    EXPECT_TRUE(util::Model.RegionNames.isEmpty());
    EXPECT_EQ(util::PaletteCount, 0);
    EXPECT_EQ(util::PaletteColors[4], util::ColorRecord{});
    EXPECT_TRUE(util::SchemeNames[255].isEmpty());
}
