// The viewer's settings table: keys, defaults and the Boolean texts.
#include "ProgramInfo.h"
#include "SettingsStore.h"
#include "ViewerSettings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
