// A short, fixed slice of the random editing sessions that make fuzz-edits runs at length.
#include "random_edits.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvix::edits {
namespace {

TEST(RandomEdits, FixedSessionsKeepEveryRule)
{
    const RunTotals totals = runRandomEdits(20261210, 60000, 10000, [](const EditFailure& failure) {
        std::ostringstream steps;
        for (const std::string& step : failure.lastSteps)
            steps << "\n    " << step;
        ADD_FAILURE() << failure.rule << " (session seed " << failure.seed << ", step " << failure.step << ")" << steps.str();
    });
    EXPECT_EQ(totals.steps, 60000);
    EXPECT_EQ(totals.failures, 0);
}

TEST(RandomEdits, ASeedReplaysItsSession)
{
    // Sessions are deterministic: the same seed reaches the same outcome at the same step.
    const auto first = runSession(7, 3000);
    const auto again = runSession(7, 3000);
    ASSERT_EQ(first.has_value(), again.has_value());
    if (first) {
        EXPECT_EQ(first->step, again->step);
        EXPECT_EQ(first->lastSteps, again->lastSteps);
    }
}

} // namespace
} // namespace corvix::edits
