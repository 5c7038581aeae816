#pragma once
#include <atomic>
#include <string>

// The part files a save and its conversions are writing, kept where a signal
// handler can find them, so that a program stopped by Ctrl-C or a request to
// stop leaves nothing behind.
class CFileInHand {
public:
    // Records `path` for as long as this object lives; the string must stay as
    // it is meanwhile. As many files may be in hand at once as programs run at
    // once (platform/RunProgram.h), and one more.
    explicit CFileInHand(const std::string& path);
    ~CFileInHand();
    CFileInHand(const CFileInHand&) = delete;
    CFileInHand& operator=(const CFileInHand&) = delete;

private:
    std::atomic<const char*>* m_pSlot = nullptr;
};

// A signal handler: stops the programs running (platform/RunProgram.h), removes
// the files in hand, and ends the program as the signal does by default.
extern "C" void EndOnSignal(int signal);
