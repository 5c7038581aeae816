#include "ui/FolderPicker.h"

#include "ScriptedPrompts.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(FolderPicker, RemembersOnlyConfirmedPicks)
{
    CScriptedPrompts prompts;
    g_szLastFolder.clear();
    prompts.folderAnswers = {std::string("C:\\First"), std::nullopt, std::string("C:\\Second")};

    std::string folder = "stale";
    EXPECT_TRUE(BrowseForFolder(folder, "Select folder"));
    EXPECT_EQ("C:\\First", folder);
    EXPECT_FALSE(BrowseForFolder(folder, "Select Dest folder"));
    EXPECT_EQ("", folder);
    EXPECT_EQ("C:\\First", g_szLastFolder);
    EXPECT_TRUE(BrowseForFolder(folder, "Select folder"));
    EXPECT_EQ("C:\\Second", g_szLastFolder);

    ASSERT_EQ(3u, prompts.calls.size());
    EXPECT_EQ("", prompts.calls[0].strStart);
    EXPECT_EQ("Select Dest folder", prompts.calls[1].strText);
    EXPECT_EQ("C:\\First", prompts.calls[1].strStart);
    EXPECT_EQ("C:\\First", prompts.calls[2].strStart);
}

TEST(FolderPicker, PathMessageIsShownWholeOnTopWithTheExclamationIcon)
{
    CScriptedPrompts prompts;
    prompts.messageAnswers = {IDYES, IDOK};
    const std::string longPath = "C:\\" + std::string(400, 'x') + "\\song.mp3";
    EXPECT_EQ(IDYES, ShowPathMessage("Copy to:\r", longPath, MB_YESNO));
    EXPECT_EQ(IDOK, ShowPathMessage("Save failed: ", "C:\\a.mp3", 0));

    ASSERT_EQ(2u, prompts.calls.size());
    EXPECT_EQ("Copy to:\r" + longPath, prompts.calls[0].strText);
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO | MB_TOPMOST | MB_ICONEXCLAMATION),
              prompts.calls[0].nStyle);
    EXPECT_EQ("Save failed: C:\\a.mp3", prompts.calls[1].strText);
    EXPECT_EQ(static_cast<unsigned>(MB_TOPMOST | MB_ICONEXCLAMATION), prompts.calls[1].nStyle);
}
