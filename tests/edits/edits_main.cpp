// make fuzz-edits: corvix_fuzz_edits [STEPS [SEED]]. Runs STEPS random editing steps
// (default 1,000,000) in sessions of 10,000 from SEED (default: from the clock), prints
// every broken rule with the steps that led to it and how to replay it, and ends with
// "N steps, M failures"; the exit status is 1 when M is not 0.
#include "random_edits.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int64_t kSessionSteps = 10000;

void report(const corvix::edits::EditFailure& failure)
{
    std::printf("FAILED: %s\n  session seed %llu, after step %lld; replay: make fuzz-edits SEED=%llu EDITS=%lld SESSION=1\n",
                failure.rule.c_str(), static_cast<unsigned long long>(failure.seed), static_cast<long long>(failure.step),
                static_cast<unsigned long long>(failure.seed), static_cast<long long>(failure.step + 1));
    for (const std::string& step : failure.lastSteps)
        std::printf("    %s\n", step.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const long long steps = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const unsigned long long seed = argc > 2 && *argv[2]
                                        ? std::strtoull(argv[2], nullptr, 10)
                                        : static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    // With a third argument the seed is one session's own: that session alone, replayed.
    const bool oneSession = argc > 3 && std::string(argv[3]) == "1";
    std::printf("seed %llu%s\n", seed, oneSession ? " (one session)" : "");
    std::fflush(stdout);

    corvix::edits::RunTotals totals;
    if (oneSession) {
        const auto failure = corvix::edits::runSession(seed, steps);
        totals = {failure ? failure->step + 1 : steps, failure ? 1 : 0};
        if (failure)
            report(*failure);
    } else {
        totals = corvix::edits::runRandomEdits(seed, steps, kSessionSteps, report);
    }
    std::printf("%lld steps, %lld failures\n", static_cast<long long>(totals.steps), static_cast<long long>(totals.failures));
    return totals.failures == 0 ? 0 : 1;
}
