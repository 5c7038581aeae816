#include "platform/LocalTime.h"

#include <ctime>
#include <limits>

namespace platform {

int32_t LocalCalendarToSeconds(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1900)
        return 0;
    if (year < 1970)
        return -1;
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&fields);
    // Some C libraries cannot go below 1970 or past 2038: treat both ends alike.
    if (seconds < 0 || seconds > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int32_t>(seconds);
}

}  // namespace platform
