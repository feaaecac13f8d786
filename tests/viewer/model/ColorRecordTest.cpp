// Colour values and their components.
#include "ColorRecord.h"

#include <gtest/gtest.h>

using namespace mdlRKVUtilities;

TEST(ColorRecord, ComponentsOfColorValues)
{
    EXPECT_EQ(RedOf(8421504), 128);
    EXPECT_EQ(GreenOf(8421504), 128);
    EXPECT_EQ(BlueOf(8421504), 128);
    EXPECT_EQ(RedOf(255), 255);
    EXPECT_EQ(GreenOf(255), 0);
    EXPECT_EQ(BlueOf(255), 0);
    EXPECT_EQ(BlueOf(16777215), 255);
    const ColorRecord brick{200, 40, 30, -127};
    EXPECT_EQ(ColorValueOf(brick), 200 + 256 * 40 + 65536 * 30);
    EXPECT_EQ(ColorRecordOf(ColorValueOf(brick), -127), brick);
    EXPECT_EQ(ColorValueOf(DefaultGrayColor), 8355711);
    EXPECT_EQ(ColorValueOf(PaperColor), 16777215);
}
