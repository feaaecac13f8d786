// The one reset of program-wide state that every test fixture relies on.
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"

#include <gtest/gtest.h>

namespace util = mdlRKVUtilities;

// A reset that forgets one piece lets tests pass or fail by their order.
TEST(ProgramState, ResetLeavesNothingOfAnEarlierTest)
{
    util::LastColorPath = "/c/", util::PromptSaveOnChanges = false, util::SchemeModified = true;
    util::CurrentZoom = 37, util::EditColor = 0x123456, util::PrintAllPages = true;
    util::Model.PageCount = 3, util::PaletteCount = 5, util::SchemeNames[255] = "Chimney";
    util::ResetProgramState();
    EXPECT_EQ(std::tuple(util::LastColorPath, util::PromptSaveOnChanges, util::SchemeModified, util::CurrentZoom,
                         util::EditColor, util::PrintAllPages, util::Model.PageCount, util::PaletteCount,
                         util::SchemeNames[255]),
              std::tuple(QString(), true, false, 100, 0, false, 0, 0, QString()));
}
