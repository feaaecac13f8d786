#include "help/ApplicationIcon.h"
#include "help/frmAbout.h"

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

TEST(AboutBoxTest, CaptionVersionTitleAndTexts)
{
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), "About RKVViewer3");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 3.0.129");
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "RKVViewer 3 for Linux");
    EXPECT_FALSE(about.findChild<QLabel*>("lblDisclaimer")->text().isEmpty());
    EXPECT_FALSE(about.findChild<QPlainTextEdit*>("txtCredits")->toPlainText().isEmpty());
    EXPECT_FALSE(about.findChild<QLabel*>("picIcon")->pixmap().isNull());
}

TEST(AboutBoxTest, ApplicationIconHasEverySize)
{
    EXPECT_FALSE(applicationIcon().isNull());
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(QImage(QStringLiteral(":/icons/RKVViewer3-%1.png").arg(size)).size(), QSize(size, size));
}
