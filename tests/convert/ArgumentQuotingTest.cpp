#include "convert/ArgumentQuoting.h"
#include "platform/CommandLineSplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmont {
namespace {

TEST(ArgumentQuotingTest, QuotesAndTheBackslashesBeforeThemAreEscaped) {
    EXPECT_EQ(QuoteArgument("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    // A trailing backslash would otherwise swallow the closing quote.
    EXPECT_EQ(QuoteArgument("dir\\"), "\"dir\\\\\"");
    // Backslashes that stand before no quote are taken literally.
    EXPECT_EQ(QuoteArgument("a\\b\\\\c"), "\"a\\b\\\\c\"");
}

TEST(ArgumentQuotingTest, SplitterGivesEveryTextBackAsOneArgument) {
    const std::vector<std::string> texts = {
        "plain",
        "with blanks and\ttabs",
        "",
        "title\" -f rawvideo -y \"/tmp/evil",
        "\"",
        "\\",
        "\\\\\"\\",
        "ends in backslash\\",
        "C:\\path with\\\"odd\\\\\" things\\\\",
        "Ünïcödé ‘quotes’ & $shell `chars`;|>",
    };
    for (const std::string& text : texts) {
        const std::string line = "-title " + QuoteArgument(text) + " -y";
        const std::vector<std::string> arguments = SplitCommandLine(line);
        ASSERT_EQ(arguments.size(), 3u) << line;
        EXPECT_EQ(arguments[0], "-title");
        EXPECT_EQ(arguments[1], text) << line;
        EXPECT_EQ(arguments[2], "-y");
    }
}

} // namespace
} // namespace velmont
