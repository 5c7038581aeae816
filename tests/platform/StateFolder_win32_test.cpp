#include "platform/StateFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(StateFolderWin32, TheUsersLocalApplicationDataHoldsIt)
{
    wchar_t old[MAX_PATH] = {};
    const bool had = GetEnvironmentVariableW(L"LOCALAPPDATA", old, MAX_PATH) > 0;
    ASSERT_TRUE(SetEnvironmentVariableW(L"LOCALAPPDATA", L"C:\\Users\\\u00c5sa\\AppData\\Local"));
    EXPECT_EQ("C:\\Users\\\xc3\x85sa\\AppData\\Local\\Tarrowby", platform::ProgramStateFolder());
    ASSERT_TRUE(SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr));
    EXPECT_EQ("", platform::ProgramStateFolder());
    SetEnvironmentVariableW(L"LOCALAPPDATA", had ? old : nullptr);
}

}  // namespace
