#include "platform/CommandLineSplit.h"

#include <gtest/gtest.h>

using velmont::SplitCommandLine;
using Args = std::vector<std::string>;

TEST(CommandLineSplit, BlanksAndTabsSeparateAndRunsOfThemCountOnce) {
    EXPECT_EQ(SplitCommandLine("  a  b\tc \t d  "), (Args{"a", "b", "c", "d"}));
    EXPECT_TRUE(SplitCommandLine("").empty());
    EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

TEST(CommandLineSplit, BackslashEscapesQuoteAndBackslashesBeforeQuotePairUp) {
    // \" is a literal quote inside a quoted title.
    EXPECT_EQ(SplitCommandLine(R"(-title "say \"hi\" now")"), (Args{"-title", "say \"hi\" now"}));
    // 2n backslashes + quote: n backslashes, the quote groups.
    EXPECT_EQ(SplitCommandLine(R"("a\\" b)"), (Args{"a\\", "b"}));
    // 2n+1 backslashes + quote: n backslashes and a literal quote.
    EXPECT_EQ(SplitCommandLine(R"(a\\\"b)"), (Args{"a\\\"b"}));
    // Backslashes not before a quote stay as they are.
    EXPECT_EQ(SplitCommandLine(R"(C:\prog\x \\server\share)"),
              (Args{"C:\\prog\\x", "\\\\server\\share"}));
}

TEST(CommandLineSplit, QuotesGroupWithinOneArgumentAndEmptyQuotesGiveEmptyArgument) {
    EXPECT_EQ(SplitCommandLine(R"(ab"c d"ef g)"), (Args{"abc def", "g"}));
    EXPECT_EQ(SplitCommandLine(R"(a "" b)"), (Args{"a", "", "b"}));
    // An unclosed quote runs to the end of the line.
    EXPECT_EQ(SplitCommandLine(R"(a "b c)"), (Args{"a", "b c"}));
}
