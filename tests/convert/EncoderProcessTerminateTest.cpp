#include "convert/TerminateProcessesByModuleName.h"
#include "platform/Process.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"

#include <gtest/gtest.h>

using namespace velmont;

TEST(TerminateByModuleTest, KillsOnlyProcessesOfThatExactFile) {
    // A program whose name occurs in the encoder's path must survive.
    EncoderCopies copies;
    const std::string encoder = copies.Copy("sleep-tools/Rendix");
    const std::string otherEncoder = copies.Copy("elsewhere/Rendix");

    ChildProcess stray1, stray2, sameName, bystander;
    std::error_code error;
    using Command = std::vector<std::string>;
    for (auto [child, command] : {std::pair{&stray1, Command{encoder, "sleep:60000"}},
                                  std::pair{&stray2, Command{encoder, "sleep:60000"}},
                                  std::pair{&sameName, Command{otherEncoder, "sleep:60000"}},
                                  std::pair{&bystander, Command{"sleep", "60"}}})
        ASSERT_EQ(child->Start(command, error), ChildProcess::StartResult::Started);
    const auto running = [&](ChildProcess& child) {
        return child.TryWait(error) == ChildProcess::WaitResult::Running;
    };

    EXPECT_EQ(TerminateProcessesByModuleName(encoder), 2);
    EXPECT_TRUE(Eventually([&] { return !running(stray1) && !running(stray2); }));
    EXPECT_TRUE(stray1.Status().signalled);
    EXPECT_TRUE(running(sameName));
    EXPECT_TRUE(running(bystander));

    EXPECT_EQ(TerminateProcessesByModuleName(""), 0);
    EXPECT_EQ(TerminateProcessesByModuleName(copies.Path("missing/Rendix")), 0);
    EXPECT_TRUE(running(sameName));
}
