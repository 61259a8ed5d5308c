#pragma once

#include <string_view>

namespace corvix {

// The recovery file ("salvamento": a saving), in the program's
// folder: the autosave writes the open drawing into it.
inline constexpr std::string_view kRecoveryFileName = "salvamento.sav";
inline constexpr std::string_view kRecoveryQuestion =
    "The last session was terminated abnormally.\r\n Do you want to load the last saved session?";
inline constexpr double kAutosaveIntervalSeconds = 240.0;

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
