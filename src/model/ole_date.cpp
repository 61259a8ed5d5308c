#include "model/ole_date.h"

#include <chrono>
#include <ctime>

namespace corvix {

namespace {

constexpr int64_t kSecondsPerDay = 86400;

int64_t daysSinceOleEpoch(int32_t year, int32_t month, int32_t day)
{
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{unsigned(month)} / std::chrono::day{unsigned(day)}};
    constexpr sys_days epoch{std::chrono::year{1899} / December / 30};
    return (date - epoch).count();
}

} // namespace

double oleDate(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, double second)
{
    const double seconds = double(hour) * 3600.0 + double(minute) * 60.0 + second;
    return double(daysSinceOleEpoch(year, month, day)) + seconds / double(kSecondsPerDay);
}

double oleDateNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto wholeSeconds = floor<seconds>(now);
    const std::time_t t = system_clock::to_time_t(wholeSeconds);
    std::tm local{};
    localtime_r(&t, &local);
    const double fraction = duration<double>(now - wholeSeconds).count();
    return oleDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                   double(local.tm_sec) + fraction);
}

} // namespace corvix
