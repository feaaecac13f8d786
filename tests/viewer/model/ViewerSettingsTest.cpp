// The viewer's settings table: keys, defaults and the Boolean texts.
#include "ProgramInfo.h"
#include "RecentModels.h"
#include "SettingsStore.h"
#include "ViewerSettings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <latch>
#include <thread>

using namespace mdlRKVUtilities;

TEST(ViewerSettings, FreshStoreGivesTheDefaultsAndWrittenValuesComeBack)
{
    QTemporaryDir folder;
    const QString previous = Platform::SettingsStore::setFolder(folder.path());
    const QString program = Platform::programFolder();
    EXPECT_EQ(GetSetting(Setting::LastModelPath), program + "/models/");
    EXPECT_EQ(GetSetting(Setting::LastColorPath), program + "/colors/");
    EXPECT_EQ(GetSetting(Setting::LastSchemePath), program + "/schemes/");
    EXPECT_EQ(GetSetting(Setting::LastPalettePath), program + "/palettes/");
    EXPECT_EQ(GetSetting(Setting::MainWidth), "6500");
    EXPECT_EQ(GetSetting(Setting::PromptSaveOnChanges), "True");
    EXPECT_EQ(GetSetting(Setting::DefaultPaperSize), "1");
    EXPECT_EQ(GetSetting(Setting::UserPrintOffsetY), "0");

    SaveSetting(Setting::MainTop, "1234");
    EXPECT_EQ(GetSetting(Setting::MainTop), "1234");
    EXPECT_EQ(Platform::SettingsStore::read("RKVViewer3", "Settings", "MainTop", ""), "1234");
    EXPECT_EQ(GetSetting(Setting::MainLeft), "1000");
    Platform::SettingsStore::setFolder(previous);
}

TEST(ViewerSettings, BooleansAreTrueAndFalseTextsAndAnythingElseFallsBack)
{
    EXPECT_EQ(BoolSettingText(true), "True");
    EXPECT_EQ(BoolSettingText(false), "False");
    EXPECT_TRUE(BoolFromSettingText("True", false));
    EXPECT_FALSE(BoolFromSettingText("False", true));
    EXPECT_TRUE(BoolFromSettingText("yes", true));
    EXPECT_FALSE(BoolFromSettingText("", false));
}

// Six windows opening models at once, each through a settings store of its
// own: every model stays in the list, whoever writes last.
TEST(ViewerSettings, RecentModelsOpenedAtOnceAreAllKept)
{
    QTemporaryDir folder;
    const QString previous = Platform::SettingsStore::setFolder(folder.path());
    const QStringList opened{"/m/a/M5.RKV3", "/m/b/M4.RKV3", "/m/c/M3.RKV3", "/m/e/M2.RKV3", "/m/f/M1.rkv3", "/m/g/0"};
    for (int round = 0; round < 8; ++round) {
        ClearRecentModels();
        std::latch start(6);
        for (std::vector<std::jthread> windows; const QString& path : opened)
            windows.emplace_back([&start, &path] { start.arrive_and_wait(), RememberRecentModel(path); });
        QStringList kept = RecentModels();
        kept.sort();
        ASSERT_EQ(kept.join(' ').toStdString(), opened.join(' ').toStdString()) << "round " << round;
    }
    Platform::SettingsStore::setFolder(previous);
}
