// Colour values and their components.
#include "model/core/ColorRecord.h"

#include <gtest/gtest.h>

namespace util = mdlRKVUtilities;

TEST(ColorRecord, ComponentsOfColorValues)
{
    EXPECT_EQ(util::RedOf(8421504), 128);
    EXPECT_EQ(util::GreenOf(8421504), 128);
    EXPECT_EQ(util::BlueOf(8421504), 128);
    EXPECT_EQ(util::RedOf(255), 255);
    EXPECT_EQ(util::GreenOf(255), 0);
    EXPECT_EQ(util::BlueOf(255), 0);
    EXPECT_EQ(util::BlueOf(16777215), 255);
    const util::ColorRecord brick{200, 40, 30, -127};
    EXPECT_EQ(util::ColorValueOf(brick), 200 + 256 * 40 + 65536 * 30);
    EXPECT_EQ(util::ColorRecordOf(util::ColorValueOf(brick), -127), brick);
    EXPECT_EQ(util::ColorValueOf(util::DefaultGrayColor), 8355711);
    EXPECT_EQ(util::ColorValueOf(util::PaperColor), 16777215);
}
