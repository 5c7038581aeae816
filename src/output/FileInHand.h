#pragma once
#include <string>

// The part file a save is writing, kept where a signal handler can find it, so
// that a program stopped by Ctrl-C or a request to stop leaves nothing behind.
class CFileInHand {
public:
    // Records `path` for as long as this object lives; the string must stay as
    // it is meanwhile. One file is in hand at a time.
    explicit CFileInHand(const std::string& path);
    ~CFileInHand();
    CFileInHand(const CFileInHand&) = delete;
    CFileInHand& operator=(const CFileInHand&) = delete;
};

// A signal handler: removes the file in hand, if any, and ends the program as
// the signal does by default.
extern "C" void EndOnSignal(int signal);
