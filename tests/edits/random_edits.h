#pragma once
// Random editing sessions: an Editor driven through the entry points the window uses
// (presses, moves, releases, double-clicks, keys, the kind panel, the text dialog, the
// clipboard, undo and redo, zoom, New, save and load through the codec in memory), with
// the drawing's rules checked after every step. A session is a fresh editor and a seed;
// the same seed makes the same steps, so a failure replays from its session's seed.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvix::edits {

struct EditFailure {
    uint64_t seed = 0;        // the session's seed: runSession(seed, step + 1) replays it
    int64_t step = 0;         // the step after which the rule broke, from 0
    std::string rule;         // what broke
    std::vector<std::string> lastSteps;  // the steps that led there, oldest first
};

// A fresh editor on an empty drawing and steps random steps from seed; stops at the
// first broken rule.
std::optional<EditFailure> runSession(uint64_t seed, int64_t steps);

// Steps in sessions of sessionSteps each (the last may be shorter), the sessions' seeds
// derived from seed. onFailure sees every failure as it happens.
struct RunTotals {
    int64_t steps = 0;
    int64_t failures = 0;
};
RunTotals runRandomEdits(uint64_t seed, int64_t steps, int64_t sessionSteps,
                         const std::function<void(const EditFailure&)>& onFailure);

// The session seed of session index under seed.
uint64_t sessionSeed(uint64_t seed, int64_t index);

} // namespace corvix::edits
