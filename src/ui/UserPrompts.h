#pragma once
#include <string>
#include <vector>

// Everything the program asks or tells the user goes through here: message
// boxes, folder pickers and the open-file dialog. The program shows the real
// windows; tests install an answerer of their own.

struct FileRequest {
    // Pairs of description and pattern, each ended by "|", the list by "||";
    // empty for no filter.
    std::string strFilter;
    bool bMultiSelect = false;
};

class CUserPrompts {
public:
    virtual ~CUserPrompts() = default;
    // Shows `text` with the message-box `style` (buttons and icon flags as given)
    // and returns the button pressed.
    virtual int ShowMessage(const std::string& text, unsigned style) = 0;
    // A folder picker titled `title` that opens at `startFolder` (nothing chosen
    // when empty); true with the chosen folder in `folder`.
    virtual bool PickFolder(const std::string& title, const std::string& startFolder,
                            std::string& folder) = 0;
    // The open-file dialog; true with the chosen files' full paths, in the order
    // the dialog gives them.
    virtual bool PickFiles(const FileRequest& request, std::vector<std::string>& paths) = 0;
};

CUserPrompts& UserPrompts();

// Puts `prompts` in charge of every question until it is called again; null
// brings the real windows back.
void InstallUserPrompts(CUserPrompts* prompts);
