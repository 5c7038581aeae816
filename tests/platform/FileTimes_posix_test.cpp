#include "platform/FileTimes_posix.h"

#include <gtest/gtest.h>

namespace {

struct LinuxStatus {
    timespec st_atim{11, 12};
    timespec st_mtim{21, 22};
};

struct MacStatus {
    timespec st_atimespec{31, 32};
    timespec st_mtimespec{41, 42};
};

}  // namespace

TEST(FileTimes, AreReadUnderEitherSpelling)
{
    EXPECT_EQ(11, platform::AccessTime(LinuxStatus{}).tv_sec);
    EXPECT_EQ(22, platform::WriteTime(LinuxStatus{}).tv_nsec);
    EXPECT_EQ(31, platform::AccessTime(MacStatus{}).tv_sec);
    EXPECT_EQ(42, platform::WriteTime(MacStatus{}).tv_nsec);
}
