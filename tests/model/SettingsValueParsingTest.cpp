#include "model/SettingsFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

using namespace velmont;

TEST(ParseIntLikeAtoi, TakesLeadingDigitsAndSaturates) {
    // clang-format off
    const std::pair<std::string, int> cases[] = {
        {"128k", 128}, {"abc", 0}, {" 64", 64}, {"\t\n\v\f\r 7", 7}, {"-12x", -12}, {"+12", 12},
        {"007", 7}, {"1.9", 1}, {"0x10", 0}, {"", 0}, {"-", 0}, {"+-1", 0}, {"- 1", 0}, {"1 2", 1},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN}, {"9223372036854775808", INT_MAX},
        {std::string(5000, '9'), INT_MAX}, {"-" + std::string(5000, '9'), INT_MIN},
        {std::string(50, '0') + "42", 42}};
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseIntLikeAtoi(text.c_str()), value) << text.substr(0, 30);
    EXPECT_EQ(ParseIntLikeAtoi(nullptr), 0);
}

TEST(ParseBoolFirstT, TrueOnlyForLeadingLowerCaseT) {
    for (const char* yes : {"true", "t", "tomato", "t "})
        EXPECT_TRUE(ParseBoolFirstT(yes)) << yes;
    for (const char* no : {"True", "TRUE", "1", "", " true", "yes", "false", "T"})
        EXPECT_FALSE(ParseBoolFirstT(no)) << no;
    EXPECT_FALSE(ParseBoolFirstT(nullptr));
}
