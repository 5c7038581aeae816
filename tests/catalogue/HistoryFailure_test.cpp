#include "catalogue/HistoryFailure.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> g_vecShown;

void RecordShown(const char* prefix, const std::string& path, const std::string& reason)
{
    g_vecShown.push_back(prefix + path + "|" + reason);
}

}  // namespace

TEST(HistoryFailure, OnlyTheFirstFailureOfARunIsShown)
{
    const platform::WriteResult done = platform::WriteResult::Done();
    const platform::WriteResult full = platform::WriteResult::Failed("No space left on device");
    g_vecShown.clear();
    CHistoryFailure quiet(RecordShown);
    quiet.AfterRead(true, "h");
    quiet.AfterWrite(done, "h");
    EXPECT_TRUE(g_vecShown.empty());

    CHistoryFailure unwritable(RecordShown);
    unwritable.AfterRead(true, "h");
    unwritable.AfterWrite(full, "h");
    unwritable.AfterWrite(full, "h");
    unwritable.AfterRead(false, "h");
    EXPECT_EQ(std::vector<std::string>{"Cannot write the history of saves:\rh|No space left on device"},
              g_vecShown);

    g_vecShown.clear();
    CHistoryFailure unreadable(RecordShown);
    unreadable.AfterRead(false, "h");
    unreadable.AfterWrite(full, "h");
    EXPECT_EQ(std::vector<std::string>{"Cannot read the history of saves:\rh|"}, g_vecShown);
}
