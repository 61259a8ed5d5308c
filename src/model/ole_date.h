#pragma once

#include <cstdint>

namespace corvix {

// OLE Automation dates: days since 1899-12-30 00:00 as a double, the fraction being the
// time of day. Headers store createdAt and savedAt this way.

// The date of a civil day and time (proleptic Gregorian calendar, no time zone).
double oleDate(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0, double second = 0);
// The present moment in local time.
double oleDateNow();

} // namespace corvix
