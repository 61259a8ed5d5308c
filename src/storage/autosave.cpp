#include "storage/autosave.h"

namespace corvix {

AutosaveSchedule::AutosaveSchedule(double startSeconds)
    : stamp_(startSeconds)
{
}

bool AutosaveSchedule::isDue(double nowSeconds) const
{
    return !attempting_ && nowSeconds - stamp_ > kAutosaveIntervalSeconds;
}

void AutosaveSchedule::attemptStarted()
{
    attempting_ = true;
}

void AutosaveSchedule::attemptFinished(double nowSeconds)
{
    attempting_ = false;
    stamp_ = nowSeconds;
}

} // namespace corvix
