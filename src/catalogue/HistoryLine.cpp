#include "catalogue/HistoryLine.h"

#include "platform/Clock.h"

#include <cstdio>

namespace {

using platform::kSecondsPerDay;
// The form of the time; "0" stands for any digit.
const char kTimePattern[] = "0000-00-00T00:00:00Z";
const std::string_view::size_type kTimeLength = sizeof kTimePattern - 1;

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back
// (the era arithmetic of Howard Hinnant's date algorithms).
int64_t DaysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, int64_t& year, int& month, int& day)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = yearOfEra + era * 400 + (month <= 2);
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool MatchesTimePattern(std::string_view text)
{
    for (std::string_view::size_type i = 0; i < kTimeLength; ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kTimePattern[i] == '0' ? !digit : text[i] != kTimePattern[i])
            return false;
    }
    return true;
}

// The number the `count` digits at `at` make.
int DigitsAt(std::string_view text, std::string_view::size_type at, int count)
{
    int number = 0;
    for (int i = 0; i < count; ++i)
        number = number * 10 + (text[at + static_cast<std::string_view::size_type>(i)] - '0');
    return number;
}

}  // namespace

std::string HistoryLine(int64_t when, const std::string& path)
{
    int64_t days = when / kSecondsPerDay;
    int64_t seconds = when % kSecondsPerDay;
    if (seconds < 0) {
        seconds += kSecondsPerDay;
        --days;
    }
    int64_t year;
    int month, day;
    CivilFromDays(days, year, month, day);
    char time[64];
    std::snprintf(time, sizeof time, "%04lld-%02d-%02dT%02d:%02d:%02dZ\t",
                  static_cast<long long>(year), month, day, static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return time + path + '\n';
}

bool ParseHistoryLine(std::string_view line, int64_t& when, std::string_view& path)
{
    if (line.size() <= kTimeLength + 1 || line[kTimeLength] != '\t' || !MatchesTimePattern(line))
        return false;
    const int year = DigitsAt(line, 0, 4), month = DigitsAt(line, 5, 2), day = DigitsAt(line, 8, 2);
    const int hour = DigitsAt(line, 11, 2), minute = DigitsAt(line, 14, 2),
              second = DigitsAt(line, 17, 2);
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 59)
        return false;
    when = (DaysFromCivil(year, month, day) * 24 + hour) * 3600 + minute * 60 + second;
    path = line.substr(kTimeLength + 1);
    return true;
}
