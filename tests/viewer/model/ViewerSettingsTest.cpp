// The viewer's settings table: keys, defaults and the Boolean texts.
#include "model/RecentModels.h"
#include "model/ViewerSettings.h"
#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <latch>
#include <thread>

namespace util = mdlRKVUtilities;

TEST(ViewerSettings, FreshStoreGivesTheDefaultsAndWrittenValuesComeBack)
{
    QTemporaryDir folder;
    const QString previous = Platform::SettingsStore::setFolder(folder.path());
    const QString program = Platform::programFolder();
    EXPECT_EQ(util::GetSetting(util::Setting::LastModelPath), program + "/models/");
    EXPECT_EQ(util::GetSetting(util::Setting::LastColorPath), program + "/colors/");
    EXPECT_EQ(util::GetSetting(util::Setting::LastSchemePath), program + "/schemes/");
    EXPECT_EQ(util::GetSetting(util::Setting::LastPalettePath), program + "/palettes/");
    EXPECT_EQ(util::GetSetting(util::Setting::MainWidth), "6500");
    EXPECT_EQ(util::GetSetting(util::Setting::PromptSaveOnChanges), "True");
    EXPECT_EQ(util::GetSetting(util::Setting::DefaultPaperSize), "1");
    EXPECT_EQ(util::GetSetting(util::Setting::UserPrintOffsetY), "0");

    util::SaveSetting(util::Setting::MainTop, "1234");
    EXPECT_EQ(util::GetSetting(util::Setting::MainTop), "1234");
    EXPECT_EQ(Platform::SettingsStore::read("RKVViewer3", "Settings", "MainTop", ""), "1234");
    EXPECT_EQ(util::GetSetting(util::Setting::MainLeft), "1000");
    Platform::SettingsStore::setFolder(previous);
}

TEST(ViewerSettings, BooleansAreTrueAndFalseTextsAndAnythingElseFallsBack)
{
    EXPECT_EQ(util::BoolSettingText(true), "True");
    EXPECT_EQ(util::BoolSettingText(false), "False");
    EXPECT_TRUE(util::BoolFromSettingText("True", false));
    EXPECT_FALSE(util::BoolFromSettingText("False", true));
    EXPECT_TRUE(util::BoolFromSettingText("yes", true));
    EXPECT_FALSE(util::BoolFromSettingText("", false));
}

// Six windows opening models at once, each through a settings store of its
// own: every model stays in the list, whoever writes last.
TEST(ViewerSettings, RecentModelsOpenedAtOnceAreAllKept)
{
    QTemporaryDir folder;
    const QString previous = Platform::SettingsStore::setFolder(folder.path());
    const QStringList opened{"/m/a/M5.RKV3", "/m/b/M4.RKV3", "/m/c/M3.RKV3", "/m/e/M2.RKV3", "/m/f/M1.rkv3", "/m/g/0"};
    for (int round = 0; round < 8; ++round) {
        util::ClearRecentModels();
        std::latch start(6);
        for (std::vector<std::jthread> windows; const QString& path : opened)
            windows.emplace_back([&start, &path] { start.arrive_and_wait(), util::RememberRecentModel(path); });
        QStringList kept = util::RecentModels();
        kept.sort();
        ASSERT_EQ(kept.join(' ').toStdString(), opened.join(' ').toStdString()) << "round " << round;
    }
    Platform::SettingsStore::setFolder(previous);
}
