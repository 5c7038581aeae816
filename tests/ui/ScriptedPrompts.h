#pragma once
// An answerer for every question the program asks, installed for the life of
// the object: it records each question and gives the scripted answers in order.
#include "ui/UserPrompts.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct PromptCall {
    std::string strKind;   // "message", "folder" or "files"
    std::string strText;   // message text or picker title
    unsigned nStyle = 0;   // message style
    std::string strStart;  // folder the picker opened at
    FileRequest request;
};

class CScriptedPrompts : public CUserPrompts {
public:
    CScriptedPrompts() { InstallUserPrompts(this); }
    ~CScriptedPrompts() override { InstallUserPrompts(nullptr); }

    // Answers, taken first in first out; nullopt stands for Cancel.
    std::deque<int> messageAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<std::vector<std::string>>> fileAnswers;

    std::vector<PromptCall> calls;

    // Runs at every message before it is answered, while the command that
    // shows it is still under way.
    std::function<void(const std::string&)> onMessage;

    int ShowMessage(const std::string& text, unsigned style) override
    {
        calls.push_back({"message", text, style, {}, {}});
        if (onMessage)
            onMessage(text);
        if (messageAnswers.empty()) {
            ADD_FAILURE() << "unexpected message: " << text;
            return 2;  // IDCANCEL
        }
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    bool PickFolder(const std::string& title, const std::string& startFolder,
                    std::string& folder) override
    {
        calls.push_back({"folder", title, 0, startFolder, {}});
        folder.clear();
        if (folderAnswers.empty()) {
            ADD_FAILURE() << "unexpected folder picker: " << title;
            return false;
        }
        const std::optional<std::string> answer = folderAnswers.front();
        folderAnswers.pop_front();
        if (answer)
            folder = *answer;
        return answer.has_value();
    }

    bool PickFiles(const FileRequest& request, std::vector<std::string>& paths) override
    {
        calls.push_back({"files", {}, 0, {}, request});
        paths.clear();
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unexpected open-file dialog";
            return false;
        }
        const std::optional<std::vector<std::string>> answer = fileAnswers.front();
        fileAnswers.pop_front();
        if (answer)
            paths = *answer;
        return answer.has_value();
    }

    // The texts of the messages shown, in order.
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const PromptCall& call : calls)
            if (call.strKind == "message")
                texts.push_back(call.strText);
        return texts;
    }

    bool AllAnswered() const
    {
        return messageAnswers.empty() && folderAnswers.empty() && fileAnswers.empty();
    }
};
