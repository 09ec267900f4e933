#include "model/SettingsFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace velmont;

TEST(ParseIntLikeAtoi, TakesLeadingDigitsOnly) {
    EXPECT_EQ(ParseIntLikeAtoi("128k"), 128);
    EXPECT_EQ(ParseIntLikeAtoi("abc"), 0);
    EXPECT_EQ(ParseIntLikeAtoi(" 64"), 64);
    EXPECT_EQ(ParseIntLikeAtoi("\t\n\v\f\r 7"), 7);
    EXPECT_EQ(ParseIntLikeAtoi("-12x"), -12);
    EXPECT_EQ(ParseIntLikeAtoi("+12"), 12);
    EXPECT_EQ(ParseIntLikeAtoi("007"), 7);
    EXPECT_EQ(ParseIntLikeAtoi("1.9"), 1);
    EXPECT_EQ(ParseIntLikeAtoi("0x10"), 0);
    EXPECT_EQ(ParseIntLikeAtoi(""), 0);
    EXPECT_EQ(ParseIntLikeAtoi(nullptr), 0);
    EXPECT_EQ(ParseIntLikeAtoi("-"), 0);
    EXPECT_EQ(ParseIntLikeAtoi("+-1"), 0);
    EXPECT_EQ(ParseIntLikeAtoi("- 1"), 0);
    EXPECT_EQ(ParseIntLikeAtoi("1 2"), 1);
}

TEST(ParseIntLikeAtoi, HugeNumbersSaturateInsteadOfOverflowing) {
    EXPECT_EQ(ParseIntLikeAtoi("2147483647"), INT_MAX);
    EXPECT_EQ(ParseIntLikeAtoi("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseIntLikeAtoi("2147483648"), INT_MAX);
    EXPECT_EQ(ParseIntLikeAtoi("-2147483649"), INT_MIN);
    EXPECT_EQ(ParseIntLikeAtoi("9223372036854775808"), INT_MAX);
    EXPECT_EQ(ParseIntLikeAtoi(std::string(5000, '9').c_str()), INT_MAX);
    EXPECT_EQ(ParseIntLikeAtoi(("-" + std::string(5000, '9')).c_str()), INT_MIN);
    EXPECT_EQ(ParseIntLikeAtoi((std::string(50, '0') + "42").c_str()), 42);
}

TEST(ParseBoolFirstT, TrueOnlyForLeadingLowerCaseT) {
    for (const char* yes : {"true", "t", "tomato", "t "})
        EXPECT_TRUE(ParseBoolFirstT(yes)) << yes;
    for (const char* no : {"True", "TRUE", "1", "", " true", "yes", "false", "T"})
        EXPECT_FALSE(ParseBoolFirstT(no)) << no;
    EXPECT_FALSE(ParseBoolFirstT(nullptr));
}
