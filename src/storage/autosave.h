#pragma once

#include <string>
#include <string_view>

namespace corvix {

// The recovery file ("salvamento": a saving), in the program's
// folder: the autosave writes the open drawing into it.
inline constexpr std::string_view kRecoveryFileName = "salvamento.sav";
inline constexpr double kAutosaveIntervalSeconds = 240.0;

// Every Corvix running over one program folder has a recovery file of its own, numbered
// from 1: the first keeps kRecoveryFileName, the second "salvamento-2.sav", and so on.
std::string recoveryFileName(int number);
// The number of the recovery file called fileName, or 0 when that is no recovery file's name.
int recoveryFileNumber(std::string_view fileName);

// Decides when the timer writes the recovery file. Times are seconds on a monotonic
// clock, so a run across midnight keeps its rhythm.
class AutosaveSchedule {
public:
    explicit AutosaveSchedule(double startSeconds);

    // True when more than the interval has passed and no earlier attempt is still
    // running (its failure message may be open while timer ticks go on).
    bool isDue(double nowSeconds) const;
    void attemptStarted();
    // The stamp moves on whatever the outcome, so a failure is retried an interval later.
    void attemptFinished(double nowSeconds);

private:
    double stamp_;
    bool attempting_ = false;
};

} // namespace corvix
