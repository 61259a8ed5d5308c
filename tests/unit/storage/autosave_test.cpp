#include "storage/autosave.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

TEST(AutosaveSchedule, FiresOnlyAfterMoreThanTheInterval)
{
    AutosaveSchedule s(1000.0);
    EXPECT_FALSE(s.isDue(1240.0));
    EXPECT_TRUE(s.isDue(1240.1));
}

TEST(AutosaveSchedule, AnOpenFailureDoesNotLetAttemptsPileUp)
{
    AutosaveSchedule s(0.0);
    ASSERT_TRUE(s.isDue(300.0));
    s.attemptStarted();
    EXPECT_FALSE(s.isDue(900.0));  // ticks while the failure message is open
    s.attemptFinished(900.0);
    EXPECT_FALSE(s.isDue(1100.0));
    EXPECT_TRUE(s.isDue(1141.0));
}

} // namespace
} // namespace corvix
