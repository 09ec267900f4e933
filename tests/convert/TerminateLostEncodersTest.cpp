#include "convert/TerminateLostEncoders.h"
#include "platform/Process.h"
#include "platform/ProcessIdentity.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"

#include <gtest/gtest.h>

using namespace velmont;

TEST(TerminateLostEncoders, KillsOnlyEncodersOfThatFileWhoseOwnerHasEnded) {
    EncoderCopies copies;
    const std::string encoder = copies.Copy("sleep-tools/Rendix");
    const std::string otherEncoder = copies.Copy("elsewhere/Rendix");
    // An owner that has ended: a process that ran and was reaped.
    ChildProcess ended;
    std::error_code error;
    ASSERT_EQ(ended.Start({"true"}, error), ChildProcess::StartResult::Started);
    const ProcessIdentity gone = IdentityOf(ended.Pid());
    ASSERT_TRUE(
        Eventually([&] { return ended.TryWait(error) == ChildProcess::WaitResult::Ended; }));
    const std::string lostMark = std::string(kEncoderOwnerVariable) + "=" + gone.ToText();
    const std::string ownMark = std::string(kEncoderOwnerVariable) + "=" + OwnIdentity().ToText();

    struct Case {
        std::string program;
        std::string mark;
        bool killed;
    };
    const Case cases[] = {
        {encoder, lostMark, true},       // lost by a converter that crashed
        {encoder, ownMark, false},       // a live window's encoder
        {encoder, "", false},            // started by a person
        {otherEncoder, lostMark, false}, // another program's file of that name
        {"sleep", lostMark, false},
    };
    ChildProcess children[std::size(cases)];
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::vector<std::string> command =
            cases[i].program == "sleep" ? std::vector<std::string>{"sleep", "60"}
                                        : std::vector<std::string>{cases[i].program, "sleep:60000"};
        std::vector<std::string> environment;
        if (!cases[i].mark.empty())
            environment.push_back(cases[i].mark);
        ASSERT_EQ(children[i].Start(command, error, environment),
                  ChildProcess::StartResult::Started);
    }
    // The marked children wait for their exec to show in /proc.
    ASSERT_TRUE(Eventually(
        [&] { return EnvironmentValueOf(children[0].Pid(), kEncoderOwnerVariable) != ""; }));

    EXPECT_EQ(TerminateLostEncoders(encoder), 1);
    EXPECT_EQ(TerminateLostEncoders(""), 0);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto ended = [&] {
            return children[i].TryWait(error) != ChildProcess::WaitResult::Running;
        };
        if (cases[i].killed)
            EXPECT_TRUE(Eventually(ended));
        else
            EXPECT_FALSE(ended());
    }
}
