// The numeric test of the offset box.
#include "textinput/NumericText.h"

#include <gtest/gtest.h>

TEST(NumericText, NumericForms)
{
    const struct {
        const char* text;
        double value;
    } numeric[] = {{"50", 50},     {"-300", -300}, {"+7", 7},       {"  -12  ", -12}, {"\t3\t", 3},
                   {"1.5", 1.5},   {".5", 0.5},    {"5.", 5},       {"-0", 0},        {"1e2", 100},
                   {"-1.2E+2", -120}, {"2e-1", 0.2}};
    for (const auto& n : numeric) {
        const auto v = NumericValueOf(QString::fromLatin1(n.text));
        ASSERT_TRUE(v.has_value()) << n.text;
        EXPECT_DOUBLE_EQ(*v, n.value) << n.text;
    }
}

TEST(NumericText, NotNumeric)
{
    for (const char* text : {"", " ", "-", "+", ".", "-.", "abc", "12abc", "1 2", "- 5", "1e", "1e+", "--1",
                             "5-", "0x10", "1,5", "1e999"})
        EXPECT_FALSE(NumericValueOf(QString::fromLatin1(text)).has_value()) << text;
}
