#pragma once
#include <ctime>

// The last access and last write that stat reports, under either spelling:
// st_atim and st_mtim (Linux, the BSDs) or st_atimespec and st_mtimespec (macOS).
namespace platform {
namespace spelling {

// The int overloads win where a system offers both names.
template <typename Status>
auto Access(const Status& status, int) -> decltype(status.st_atim)
{
    return status.st_atim;
}
template <typename Status>
auto Access(const Status& status, long) -> decltype(status.st_atimespec)
{
    return status.st_atimespec;
}
template <typename Status>
auto Write(const Status& status, int) -> decltype(status.st_mtim)
{
    return status.st_mtim;
}
template <typename Status>
auto Write(const Status& status, long) -> decltype(status.st_mtimespec)
{
    return status.st_mtimespec;
}

}  // namespace spelling

template <typename Status>
timespec AccessTime(const Status& status)
{
    return spelling::Access(status, 0);
}

template <typename Status>
timespec WriteTime(const Status& status)
{
    return spelling::Write(status, 0);
}

}  // namespace platform
