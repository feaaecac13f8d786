// The one number rule of every file the viewer reads.
#include "model/core/NumberReading.h"

#include <gtest/gtest.h>

namespace util = mdlRKVUtilities;

TEST(NumberReading, LeadingNumberWithBlanksSignsFractionsAndExponents)
{
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("12")), 12.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("  12  ")), 12.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("1 2 7")), 127.0);  // blanks anywhere
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("\t-127\t")), -127.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("- 1 2")), -12.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("+5")), 5.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("12abc")), 12.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("12,5")), 12.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("5.")), 5.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("1.5E-1x")), 0.15);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("7e")), 7.0);    // no exponent digits
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("7e+")), 7.0);
    EXPECT_EQ(util::LeadingNumberOf(QStringLiteral("1.2.3")), 1.2);
}

TEST(NumberReading, NoLeadingNumberReadsAsZero)
{
    for (const char* text : {"", "   ", "abc", "-", "+", ".", "-.", "e5", "x12", "--5", "+-5", "\xC3\xA9"})
        EXPECT_EQ(util::LeadingNumberOf(QString::fromUtf8(text)), 0.0) << text;
    EXPECT_EQ(util::ReadNumber(QStringLiteral("letters")), 0);
}

TEST(NumberReading, RoundsHalvesToEven)
{
    EXPECT_EQ(util::ReadNumber(QStringLiteral("127.5")), 128);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("126.5")), 126);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("2.5")), 2);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("3.5")), 4);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("2.51")), 3);
    EXPECT_EQ(util::ReadNumber(QStringLiteral(" 150 ")), 150);
}

TEST(NumberReading, RangeChecksAfterRounding)
{
    EXPECT_EQ(util::ReadNumber(QStringLiteral("255"), 0, 255), 255);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("255.4"), 0, 255), 255);
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("255.6"), 0, 255));
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("256"), 0, 255));
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("-1"), 0, 255));
    EXPECT_EQ(util::ReadNumber(QStringLiteral("-0.5"), 0, 255), 0);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("-32768"), -32768, 32767), -32768);
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("32768"), -32768, 32767));
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("-32769"), -32768, 32767));

    EXPECT_EQ(util::ReadNumber(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(util::ReadNumber(QStringLiteral("-2147483648")), INT32_MIN);
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("2147483648")));
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("1e10")));
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("1e400")));  // beyond any double
    EXPECT_FALSE(util::ReadNumber(QStringLiteral("-1e400")));
    EXPECT_EQ(util::ReadNumber(QStringLiteral("1e-400")), 0);  // too small: zero
    EXPECT_FALSE(util::ReadNumber(QString(400, QLatin1Char('9'))));
}
