#include "storage/autosave.h"

#include <charconv>

namespace corvix {

namespace {

constexpr std::string_view kNumberedStem = "salvamento-";
constexpr std::string_view kRecoveryExtension = ".sav";

} // namespace

std::string recoveryFileName(int number)
{
    if (number == 1)
        return std::string(kRecoveryFileName);
    return std::string(kNumberedStem) + std::to_string(number) + std::string(kRecoveryExtension);
}

int recoveryFileNumber(std::string_view fileName)
{
    if (fileName == kRecoveryFileName)
        return 1;
    if (!fileName.starts_with(kNumberedStem) || !fileName.ends_with(kRecoveryExtension))
        return 0;
    const std::string_view digits =
        fileName.substr(kNumberedStem.size(), fileName.size() - kNumberedStem.size() - kRecoveryExtension.size());
    int number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    // Only the spelling recoveryFileName gives: no sign, no leading zero, 2 and up.
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.front() == '0' || number < 2)
        return 0;
    return number;
}

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
