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

TEST(RecoveryFileNames, NumberAndNameGoBothWays)
{
    EXPECT_EQ(recoveryFileName(1), "salvamento.sav");
    EXPECT_EQ(recoveryFileName(12), "salvamento-12.sav");
    for (const int number : {1, 2, 12})
        EXPECT_EQ(recoveryFileNumber(recoveryFileName(number)), number);
    for (const char* other : {"salvamento-1.sav", "salvamento-02.sav", "salvamento--2.sav", "salvamento-.sav",
                              "salvamento-2x.sav", "salvamento-2.sav.lock", "history", "Salvamento.sav"})
        EXPECT_EQ(recoveryFileNumber(other), 0) << other;
}

} // namespace
} // namespace corvix
