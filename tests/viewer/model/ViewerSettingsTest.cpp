// The viewer's settings table: keys, defaults and the Boolean texts.
#include "ProgramInfo.h"
#include "RecentModels.h"
#include "SettingsStore.h"
#include "ViewerSettings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <latch>
#include <thread>
#include <vector>

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

// Six windows opening six models at the same moment, each with a settings
// store of its own (a QSettings per call, as separate programs have): every
// model must be in the list afterwards, whoever wrote last.
TEST(ViewerSettings, RecentModelsOpenedAtOnceAreAllKept)
{
    QTemporaryDir folder;
    const QString previous = Platform::SettingsStore::setFolder(folder.path());
    for (int round = 0; round < 8; ++round) {
        ClearRecentModels();
        std::latch start(6);
        std::vector<std::thread> windows;
        QStringList opened;
        for (int i = 0; i < 6; ++i) {
            opened << QStringLiteral("/models/m%1-%2/Model%3.RKV3").arg(round).arg(i).arg(5 - i);
            windows.emplace_back([&start, path = opened.last()] {
                start.arrive_and_wait();
                RememberRecentModel(path);
            });
        }
        for (std::thread& window : windows) window.join();
        QStringList kept = RecentModels();
        kept.sort();
        opened.sort();
        ASSERT_EQ(kept.join(' ').toStdString(), opened.join(' ').toStdString()) << "round " << round;
    }
    Platform::SettingsStore::setFolder(previous);
}
