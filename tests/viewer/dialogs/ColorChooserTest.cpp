// cCommonDialog's colour chooser and its table of custom colours.
#include "dialogs/cCommonDialog.h"
#include "platform/SystemColors.h"
#include "platform/testing/ScriptedColorChooser.h"

#include <QColor>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Platform;

TEST(CommonDialogColor, CustomColorsStartFromTheSystemColorsAndKeepWrites)
{
    cCommonDialog dialog;
    for (short i = 0; i < 16; ++i) EXPECT_EQ(dialog.CustomColor(i), sysColor(i)) << i;
    EXPECT_EQ(dialog.CustomColor(16), -1);
    EXPECT_EQ(dialog.CustomColor(-1), -1);

    dialog.setCustomColor(3, 0x123456);
    dialog.setCustomColor(16, 0x654321);  // ignored
    dialog.setCustomColor(-1, 0x654321);  // ignored
    EXPECT_EQ(dialog.CustomColor(3), 0x123456);
    EXPECT_EQ(dialog.CustomColor(16), -1);
}

TEST(CommonDialogColor, AColorWrittenBeforeTheFirstChooserIsShownInIt)
{
    ScriptedColorChooser chooser;
    chooser.queueColor(200 + 256 * 40 + 65536 * 30, 5, 777);
    cCommonDialog dialog;
    dialog.setCustomColor(0, 0x0A0B0C);
    qint32 color = 0x102030;
    qint32 flags = 0;
    QWidget owner;
    ASSERT_TRUE(dialog.VBChooseColor(color, true, true, false, &owner, flags));
    EXPECT_EQ(color, 200 + 256 * 40 + 65536 * 30);
    EXPECT_EQ(dialog.APIReturn(), 1);

    ASSERT_EQ(chooser.count(), 1);
    const auto& call = chooser.calls()[0];
    EXPECT_EQ(call.request.initialColor, 0x102030);
    EXPECT_EQ(call.request.flags, 0x103u);
    EXPECT_EQ(call.request.owner, &owner);
    EXPECT_EQ(call.customColors[0], 0x0A0B0C);
    EXPECT_EQ(call.customColors[1], sysColor(1));
    // The user's change to the custom colours stays with the instance.
    EXPECT_EQ(dialog.CustomColor(5), 777);
}

TEST(CommonDialogColor, CancelAndFailureGiveMinusOne)
{
    ScriptedColorChooser chooser;
    chooser.queueCancel();
    chooser.queueFailure(3, 0xFFFF);
    cCommonDialog dialog;
    qint32 color = 0x445566;
    qint32 flags = 0;
    EXPECT_FALSE(dialog.VBChooseColor(color, false, false, true, nullptr, flags));
    EXPECT_EQ(color, -1);
    EXPECT_EQ(dialog.ExtendedError(), 0);
    EXPECT_EQ(chooser.calls()[0].request.flags, 0x85u);
    EXPECT_EQ(chooser.calls()[0].request.owner, nullptr);

    color = 0x445566;
    EXPECT_FALSE(dialog.VBChooseColor(color, true, false, false, nullptr, flags));
    EXPECT_EQ(color, -1);
    EXPECT_EQ(dialog.APIReturn(), 3);
    EXPECT_EQ(dialog.ExtendedError(), 0xFFFF);
}

TEST(CommonDialogColor, ColorValuesAndQColors)
{
    EXPECT_EQ(ColorChooser::toColorValue(QColor(200, 40, 30)), 200 + 256 * 40 + 65536 * 30);
    EXPECT_EQ(ColorChooser::toQColor(200 + 256 * 40 + 65536 * 30), QColor(200, 40, 30));
    // The bytes of -1 by truncating division: red 255, green and blue 0.
    EXPECT_EQ(ColorChooser::toQColor(-1), QColor(255, 0, 0));
}
