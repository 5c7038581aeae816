#pragma once
#include <cstdint>

namespace platform {

// Turns the calendar fields of a file time, already in local time, back into
// seconds since 1970 with the C library, leaving daylight saving for it to decide.
// Years before 1900 and times it cannot convert count as 0, the years 1900 to 1969
// as -1, so old or damaged time stamps still give a usable number.
int32_t LocalCalendarToSeconds(int year, int month, int day, int hour, int minute, int second);

}  // namespace platform
